// The four disc actions on a disc folder, with the started programs, the opened folders, the
// player's engine and the document view recorded by doubles.
#include "actions/DiscActions.h"
#include "doubles/TestDisc.h"
#include "doubles/TestWindow.h"
#include "platform/disc/FilePaths.h"
#include "window/VideoPlacer.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace vistrel;
using namespace vistrel::test;

namespace {

// A folder name a shell would take apart: blanks, quotes, a command separator, substitutions.
const QString kShellName = QStringLiteral("a b 'c' \"d\";$(touch e)`touch f`");

// The actions on a disc folder and a stage of their own, with a working directory of its own so
// that the "as written" tries of a relative path look somewhere the test controls.
struct Disc {
    TestDisc disc;
    TestWindow t;
    RecordingDesktop desktop;
    RecordingMessageBoxes messages;
    Messages said = namedMessages(messages, "english");
    QTemporaryDir workDir;
    QString previousDir = QDir::currentPath();
    std::unique_ptr<DiscActions> actions;

    Disc() { QDir::setCurrent(workDir.path()); }
    ~Disc() { QDir::setCurrent(previousDir); }

    // What plays, and the path the button opens.
    void start(Stage::Show show, ButtonId button, const QString& path) {
        t.stage().setShow(show, show == Stage::Show::Movie || show == Stage::Show::Music ||
                                        show == Stage::Show::MusicAndSlides
                                    ? t.mediaFile("film.avi")
                                    : QString());
        ButtonTexts paths;
        paths[static_cast<std::size_t>(button)] = path;
        actions = std::make_unique<DiscActions>(DiscFolder(disc.path()), paths, *t.player,
                                                t.stage(), desktop, said);
    }
    void click(ButtonId button) { actions->clicked(button); }
    // The media opened and playing, as the start of playback leaves them; the record cleared.
    void play() {
        t.player->open(t.stage().mediaFile());
        QTRY_VERIFY(!t.player->fileName().isEmpty());
        t.player->Play();
        t.engine->requests.clear();
    }

    MainDialog& w() { return t.window; }
    QString onDisc(const QString& relative) const {
        return QFileInfo(disc.filePath(relative)).absoluteFilePath();
    }
    QString inWorkDir(const QString& relative) const {
        return QFileInfo(workDir.filePath(relative)).absoluteFilePath();
    }
    void makeFolder(const QString& absolutePath) { QVERIFY(QDir().mkpath(absolutePath)); }
    void makeFile(const QString& absolutePath, const QByteArray& bytes = "content") {
        QDir().mkpath(QFileInfo(absolutePath).absolutePath());
        QFile file(absolutePath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString message(const char* key, const QString& value) const {
        return QStringLiteral("english %1 %2").arg(key, value);
    }
};

} // namespace

class TestDiscActions : public QObject {
    Q_OBJECT

  private slots:
    void explore_data();
    void explore();
    void exploreOpensTheFolderNotTheConfiguredText();
    void exploreADesktopThatCannotShowTheFolderIsSaid();
    void info_data();
    void info();
    void infoWithoutItsDocumentLeavesTheMediaStopped_data();
    void infoWithoutItsDocumentLeavesTheMediaStopped();
    void infoLooksUnderTheDiscFirst_data();
    void infoLooksUnderTheDiscFirst();
    void install_data();
    void install();
    void installerTheSystemCannotStartIsSaid();
};

// Where each configured folder is made: "disc:" under the disc, "cwd:" in the working
// directory, "file:" a file rather than a folder under the disc, "abs" an absolute folder.
void TestDiscActions::explore_data() {
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QStringList>("made");
    QTest::addColumn<QString>("opened"); // "disc:x", "cwd:x", or empty for the message

    QTest::newRow("under the disc") << "Extras" << QStringList{"disc:Extras"} << "disc:Extras";
    QTest::newRow("other case, backslashes")
        << "more\\EXTRAS" << QStringList{"disc:More/Extras"} << "disc:More/Extras";
    QTest::newRow("disc before working directory")
        << "Extras" << QStringList{"disc:Extras", "cwd:Extras"} << "disc:Extras";
    QTest::newRow("working directory only")
        << "Outside" << QStringList{"cwd:Outside"} << "cwd:Outside";
    QTest::newRow("missing") << "Missing" << QStringList{} << "";
    QTest::newRow("a file, not a folder") << "Extras" << QStringList{"file:Extras"} << "";
    QTest::newRow("shell characters")
        << kShellName << QStringList{"disc:" + kShellName} << "disc:" + kShellName;
}

void TestDiscActions::explore() {
    QFETCH(QString, configured);
    QFETCH(QStringList, made);
    QFETCH(QString, opened);
    Disc d;
    for (const QString& place : made) {
        const QString name = place.section(':', 1);
        if (place.startsWith("disc:"))
            d.makeFolder(d.onDisc(name));
        else if (place.startsWith("cwd:"))
            d.makeFolder(d.inWorkDir(name));
        else
            d.makeFile(d.onDisc(name));
    }
    d.start(Stage::Show::Movie, ButtonId::btnExplore, configured);

    d.click(ButtonId::btnExplore);

    QVERIFY(d.desktop.started.isEmpty());
    if (opened.isEmpty()) {
        QVERIFY(d.desktop.foldersOpened.isEmpty());
        QCOMPARE(d.messages.texts(), QStringList{d.message("errPathNotFound", configured)});
        QCOMPARE(d.messages.shown.first().title, QString("Vistrel"));
        return;
    }
    const QString name = opened.section(':', 1);
    const QString expected = opened.startsWith("disc:") ? d.onDisc(name) : d.inWorkDir(name);
    QCOMPARE(d.desktop.foldersOpened, QStringList{expected});
    QVERIFY(d.messages.shown.isEmpty());
    QVERIFY(!QFileInfo::exists(d.inWorkDir("e")) && !QFileInfo::exists(d.inWorkDir("f")));
}

// The configured relative text would open whatever folder of that name the working directory
// holds; the folder opened is the one the test found under the disc, as an absolute path.
void TestDiscActions::exploreOpensTheFolderNotTheConfiguredText() {
    Disc d;
    d.makeFolder(d.onDisc("Extras"));
    d.start(Stage::Show::Movie, ButtonId::btnExplore, "Extras");
    d.click(ButtonId::btnExplore);
    d.click(ButtonId::btnExplore);
    QCOMPARE(d.desktop.foldersOpened, QStringList(2, d.onDisc("Extras")));
    QVERIFY(QFileInfo(d.desktop.foldersOpened.first()).isAbsolute());
}

// The desktop answers that it cannot show the folder: the viewer is told where it is, to open
// it by hand, not that it is missing.
void TestDiscActions::exploreADesktopThatCannotShowTheFolderIsSaid() {
    Disc d;
    d.makeFolder(d.onDisc("Extras"));
    d.desktop.folderFailure = "no file manager";
    d.start(Stage::Show::Movie, ButtonId::btnExplore, "Extras");
    d.click(ButtonId::btnExplore);
    QCOMPARE(d.desktop.foldersOpened, QStringList{d.onDisc("Extras")});
    QCOMPARE(
        d.messages.texts(),
        QStringList{d.message("errFolderNotOpened", QDir::toNativeSeparators(d.onDisc("Extras")))});
}

void TestDiscActions::info_data() {
    QTest::addColumn<Stage::Show>("show");
    QTest::newRow("movie") << Stage::Show::Movie;
    QTest::newRow("music") << Stage::Show::Music;
    QTest::newRow("slideshow") << Stage::Show::Slides;
    QTest::newRow("nothing to play") << Stage::Show::Nothing;
}

void TestDiscActions::info() {
    QFETCH(Stage::Show, show);
    const bool movie = show == Stage::Show::Movie;
    const bool slideShow = show == Stage::Show::Slides;
    Disc d;
    d.disc.writeFile("Info/index.html", "<p>About this disc</p>");
    d.start(show, ButtonId::btnInfo, "Info\\index.html");
    Stage& stage = d.t.stage();
    ScriptedEngine& engine = *d.t.engine;
    FakeDocumentView& document = *d.t.document;
    if (slideShow) {
        stage.setSlideInterval(3000);
        stage.runSlides();
    }
    if (stage.opensMedia())
        d.play();
    document.navigated.clear();

    d.click(ButtonId::btnInfo); // the document in place of the media

    QCOMPARE(engine.requests, movie ? QStringList{"Null"} : QStringList{});
    QVERIFY(!engine.placement.shown);
    QVERIFY(!stage.slidesRunning());
    QCOMPARE(stage.view(), Stage::View::Document);
    QCOMPARE(document.navigated, QStringList{d.onDisc("Info/index.html")});
    QVERIFY(document.Visible());
    QVERIFY(d.messages.shown.isEmpty());

    engine.requests.clear();
    d.click(ButtonId::btnInfo); // back to the media

    QVERIFY(!document.Visible());
    // A stopped movie comes back as Stop leaves it: the logo in front, the player hidden.
    QVERIFY(!engine.placement.shown);
    QCOMPARE(stage.view(), Stage::View::Pictures);
    QCOMPARE(stage.slidesRunning(), slideShow);
    QVERIFY(!d.w().picShowPictures()->isHidden());
    QCOMPARE(engine.placement.area, d.w().picShowPictures()->geometry());
    // A stopped movie stays stopped: it is shown again, not restarted.
    QVERIFY(engine.requests.isEmpty());
    QCOMPARE(document.navigated.size(), 1);
}

// Only the slideshow's pictures are put away for a document that cannot be found: the logo stays.
void TestDiscActions::infoWithoutItsDocumentLeavesTheMediaStopped_data() {
    QTest::addColumn<Stage::Show>("show");
    QTest::addColumn<Stage::View>("front");
    QTest::newRow("movie") << Stage::Show::Movie << Stage::View::Pictures;
    QTest::newRow("music") << Stage::Show::Music << Stage::View::Pictures;
    QTest::newRow("music and slides") << Stage::Show::MusicAndSlides << Stage::View::Nothing;
}

void TestDiscActions::infoWithoutItsDocumentLeavesTheMediaStopped() {
    QFETCH(Stage::Show, show);
    QFETCH(Stage::View, front);
    Disc d;
    d.start(show, ButtonId::btnInfo, "Info\\missing file.html");
    d.play();
    const bool movie = show == Stage::Show::Movie;

    for (int i = 0; i < 2; ++i) {
        d.t.player->Play();
        d.click(ButtonId::btnInfo);
        // Every click shows the document again: the stop and the message each time.
        QCOMPARE(d.t.engine->requests.count("Null"), movie ? i + 1 : 0);
        QCOMPARE(d.t.player->PlayState(),
                 movie ? MediaPlayState::Stopped : MediaPlayState::Playing);
        QCOMPARE(d.messages.texts().size(), i + 1);
        QCOMPARE(d.messages.texts().last(),
                 d.message("errFileNotFound", "Info\\missing file.html"));
        QVERIFY(!d.t.engine->placement.shown);
        QVERIFY(!d.t.document->Visible());
        QVERIFY(d.t.document->navigated.isEmpty());
        QCOMPARE(d.t.stage().view(), front);
        QCOMPARE(d.w().picShowPictures()->isHidden(), front == Stage::View::Nothing);
    }
    // Esc closes no document that is not there.
    d.actions->closeDocument();
    QCOMPARE(d.t.stage().view(), front);
}

void TestDiscActions::infoLooksUnderTheDiscFirst_data() {
    QTest::addColumn<bool>("onDisc");
    QTest::addColumn<bool>("inWorkDir");
    QTest::addColumn<QString>("navigated"); // "disc" or "cwd"
    QTest::newRow("both: the disc's") << true << true << "disc";
    QTest::newRow("working directory only") << false << true << "cwd";
}

void TestDiscActions::infoLooksUnderTheDiscFirst() {
    QFETCH(bool, onDisc);
    QFETCH(bool, inWorkDir);
    QFETCH(QString, navigated);
    Disc d;
    const QString name = "Info/" + kShellName + ".html";
    if (onDisc)
        d.makeFile(d.onDisc(name));
    if (inWorkDir)
        d.makeFile(d.inWorkDir(name));
    d.start(Stage::Show::Music, ButtonId::btnInfo, name);
    d.click(ButtonId::btnInfo);
    QCOMPARE(d.t.document->navigated,
             QStringList{navigated == "disc" ? d.onDisc(name) : d.inWorkDir(name)});
    QVERIFY(d.messages.shown.isEmpty());
}

// Where the installer is made: "disc", "cwd", "both", "none", or "folder" (a folder of that
// name under the disc).
void TestDiscActions::install_data() {
    QTest::addColumn<bool>("codec");
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QString>("made");
    QTest::addColumn<QString>("started"); // "disc", "cwd" or empty for the message

    for (const bool codec : {true, false}) {
        const char* which = codec ? "codec: " : "player: ";
        auto row = [&](const char* name) -> QTestData& {
            return QTest::newRow(QByteArray(which) + name);
        };
        row("under the disc") << codec << "Setup\\setup.exe"
                              << "disc"
                              << "disc";
        // Whoever started the program cannot put their file in place of the disc's.
        row("disc before the working directory") << codec << "Setup\\setup.exe"
                                                 << "both"
                                                 << "disc";
        row("working directory only") << codec << "setup.exe"
                                      << "cwd"
                                      << "cwd";
        row("missing") << codec << "Setup\\setup.exe"
                       << "none"
                       << "";
        row("a folder, not a program") << codec << "Setup"
                                       << "folder"
                                       << "";
        row("shell characters") << codec << "Setup/" + kShellName + ".exe"
                                << "disc"
                                << "disc";
    }
}

void TestDiscActions::install() {
    QFETCH(bool, codec);
    QFETCH(QString, configured);
    QFETCH(QString, made);
    QFETCH(QString, started);
    Disc d;
    const QString relative = QString(configured).replace('\\', '/');
    if (made == "disc" || made == "both")
        d.makeFile(d.onDisc(relative));
    if (made == "cwd" || made == "both")
        d.makeFile(d.inWorkDir(relative));
    if (made == "folder")
        d.makeFolder(d.onDisc(relative));
    const ButtonId button = codec ? ButtonId::btnInstallCodec : ButtonId::btnInstallPlayer;
    d.start(Stage::Show::Movie, button, configured);

    d.click(button);

    QVERIFY(d.desktop.foldersOpened.isEmpty());
    if (started.isEmpty()) {
        QVERIFY(d.desktop.started.isEmpty());
        QCOMPARE(d.messages.texts(), QStringList{d.message("errFileNotFound", configured)});
        return;
    }
    QVERIFY(d.messages.shown.isEmpty());
    QCOMPARE(d.desktop.started.size(), 1);
    const auto& start = d.desktop.started.first();
    // By its resolved path alone, as a program, not as a command line.
    QCOMPARE(start.program, started == "disc" ? d.onDisc(relative) : d.inWorkDir(relative));
    QVERIFY(start.arguments.isEmpty());
}

// An installer the system cannot start (no execute bit, an interpreter line that names nothing)
// is said, by where it is; the next click tries again.
void TestDiscActions::installerTheSystemCannotStartIsSaid() {
    Disc d;
    d.makeFile(d.onDisc("Setup/setup.exe"), "not a program");
    d.start(Stage::Show::Movie, ButtonId::btnInstallCodec, "Setup\\setup.exe");
    d.desktop.refuseStarts = true;
    d.click(ButtonId::btnInstallCodec);
    d.click(ButtonId::btnInstallCodec);
    QCOMPARE(d.desktop.started.size(), 2);
    QCOMPARE(d.messages.texts(),
             QStringList(2, d.message("errCannotStart",
                                      QDir::toNativeSeparators(d.onDisc("Setup/setup.exe")))));
}

QTEST_MAIN(TestDiscActions)
#include "tst_discactions.moc"
