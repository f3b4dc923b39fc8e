// The four disc actions on a disc folder, with the started programs, the opened folders, the
// player and the document view recorded by doubles.
#include "doubles/TestDisc.h"
#include "platform/disc/FilePaths.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace vistrel;
using namespace vistrel::test;

namespace {

// A folder name a shell would take apart: blanks, quotes, a command separator, substitutions.
const QString kShellName = QStringLiteral("a b 'c' \"d\";$(touch e)`touch f`");

enum class Media { Movie, Music, SlideShow, None };

QByteArray mediaKeys(Media media) {
    switch (media) {
    case Media::Movie:
        return "Movie=movie.avi\n";
    case Media::Music:
        return "Music=music.mp3\n";
    case Media::SlideShow:
        return "SlideShow=1\n";
    case Media::None:
        break;
    }
    return {};
}

// One disc with the program started on it, and a working directory of its own so that the
// "as written" tries of a relative path look somewhere the test controls.
struct Disc {
    TestDisc disc;
    TestApp tc;
    QTemporaryDir workDir;
    QString previousDir = QDir::currentPath();
    std::unique_ptr<Application> core;

    Disc() {
        disc.addLanguage("english");
        disc.addSkin("default");
        disc.writeFile("movie.avi", "movie");
        disc.writeFile("music.mp3", "music");
        QDir::setCurrent(workDir.path());
    }
    ~Disc() { QDir::setCurrent(previousDir); }

    bool start(Media media, const QByteArray& mainKeys, const QByteArray& codec = "x.exe",
               const QByteArray& player = "y.exe") {
        disc.writeIni("[Main]\nVersion=1.0\nDefaultLanguage=english\nSkin=default\n"
                      "ShowInstallPlayer=1\nShowInstallCodec=1\n" +
                      mediaKeys(media) + mainKeys + "\n[Player]\nInstallPath=" + player +
                      "\nRunPath=run.exe\n[Codec]\nInstallPath=" + codec + "\n");
        core = tc.make();
        return core->Main(disc.path());
    }

    MainDialog& w() { return core->dialog(); }
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

void click(QWidget* button) {
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
}

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
    void infoWithoutItsDocumentLeavesTheMediaStopped();
    void infoLooksUnderTheDiscFirst_data();
    void infoLooksUnderTheDiscFirst();
    void install_data();
    void install();
    void installerTheSystemCannotStartIsSaid();
    void installersLeaveTheDetectionAlone();
    void outsideLinksGoToTheDesktop();
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
    QVERIFY(d.start(Media::Movie, "ExplorerPath=" + configured.toUtf8() + "\n"));

    click(d.w().button(ButtonId::btnExplore));

    QVERIFY(d.tc.desktop.started.isEmpty());
    if (opened.isEmpty()) {
        QVERIFY(d.tc.desktop.foldersOpened.isEmpty());
        QCOMPARE(d.tc.messages.texts(), QStringList{d.message("errPathNotFound", configured)});
        QCOMPARE(d.tc.messages.shown.first().title, QString("Vistrel"));
        return;
    }
    const QString name = opened.section(':', 1);
    const QString expected = opened.startsWith("disc:") ? d.onDisc(name) : d.inWorkDir(name);
    QCOMPARE(d.tc.desktop.foldersOpened, QStringList{expected});
    QVERIFY(d.tc.messages.shown.isEmpty());
    QVERIFY(!QFileInfo::exists(d.inWorkDir("e")) && !QFileInfo::exists(d.inWorkDir("f")));
}

// The configured relative text would open whatever folder of that name the working directory
// holds; the folder opened is the one the test found under the disc, as an absolute path.
void TestDiscActions::exploreOpensTheFolderNotTheConfiguredText() {
    Disc d;
    d.makeFolder(d.onDisc("Extras"));
    QVERIFY(d.start(Media::Movie, "ExplorerPath=Extras\n"));
    click(d.w().button(ButtonId::btnExplore));
    click(d.w().button(ButtonId::btnExplore));
    QCOMPARE(d.tc.desktop.foldersOpened, QStringList(2, d.onDisc("Extras")));
    QVERIFY(QFileInfo(d.tc.desktop.foldersOpened.first()).isAbsolute());
}

// The desktop answers that it cannot show the folder: the viewer is told where it is, to open
// it by hand, not that it is missing.
void TestDiscActions::exploreADesktopThatCannotShowTheFolderIsSaid() {
    Disc d;
    d.makeFolder(d.onDisc("Extras"));
    d.tc.desktop.folderFailure = "no file manager";
    QVERIFY(d.start(Media::Movie, "ExplorerPath=Extras\n"));
    click(d.w().button(ButtonId::btnExplore));
    QCOMPARE(d.tc.desktop.foldersOpened, QStringList{d.onDisc("Extras")});
    QCOMPARE(
        d.tc.messages.texts(),
        QStringList{d.message("errFolderNotOpened", QDir::toNativeSeparators(d.onDisc("Extras")))});
}

void TestDiscActions::info_data() {
    QTest::addColumn<int>("media");
    QTest::newRow("movie") << int(Media::Movie);
    QTest::newRow("music") << int(Media::Music);
    QTest::newRow("slideshow") << int(Media::SlideShow);
    QTest::newRow("nothing to play") << int(Media::None);
}

void TestDiscActions::info() {
    QFETCH(int, media);
    const Media mode = Media(media);
    const bool movie = mode == Media::Movie;
    const bool slideShow = mode == Media::SlideShow;
    Disc d;
    d.disc.writeFile("Info/index.html", "<p>About this disc</p>");
    QVERIFY(d.start(mode, "InfoPath=Info\\index.html\n"));
    MainDialog& w = d.w();
    FakeMediaPlayerControl& player = *d.tc.player;
    FakeDocumentView& document = *d.tc.document;
    if (slideShow) {
        w.TimerSlideShow()->setInterval(3000);
        w.TimerSlideShow()->start();
    }
    player.playState = movie ? MediaPlayState::Playing : MediaPlayState::Stopped;
    player.calls.clear();
    document.calls.clear();

    click(w.button(ButtonId::btnInfo)); // the document in place of the media

    QCOMPARE(player.calls.contains("Stop"), movie);
    QVERIFY(!player.placement.shown);
    QCOMPARE(w.TimerSlideShow()->isActive(), false);
    QCOMPARE(w.picShowPictures()->isVisible(), !slideShow);
    QCOMPARE(document.calls, (QStringList{"Navigate=" + d.onDisc("Info/index.html"), "Visible=1"}));
    QVERIFY(document.Visible());
    QVERIFY(d.tc.messages.shown.isEmpty());

    player.calls.clear();
    click(w.button(ButtonId::btnInfo)); // back to the media

    QVERIFY(!document.Visible());
    QCOMPARE(player.placement.shown, movie);
    QCOMPARE(w.TimerSlideShow()->isActive(), slideShow);
    QVERIFY(w.picShowPictures()->isVisible());
    QCOMPARE(player.placement.area, w.picShowPictures()->geometry());
    // A stopped movie stays stopped: it is shown again, not restarted.
    QVERIFY(!player.calls.contains("Play"));
    QVERIFY(!player.calls.contains("Stop"));
    QCOMPARE(document.navigated.size(), 1);
}

void TestDiscActions::infoWithoutItsDocumentLeavesTheMediaStopped() {
    Disc d;
    QVERIFY(d.start(Media::Movie, "InfoPath=Info\\missing file.html\n"));
    FakeMediaPlayerControl& player = *d.tc.player;
    player.playState = MediaPlayState::Playing;
    player.calls.clear();

    for (int i = 0; i < 2; ++i) {
        click(d.w().button(ButtonId::btnInfo));
        // Every click shows the document again: the stop and the message each time.
        QCOMPARE(player.calls.count("Stop"), i + 1);
        QCOMPARE(d.tc.messages.texts().size(), i + 1);
        QCOMPARE(d.tc.messages.texts().last(),
                 d.message("errFileNotFound", "Info\\missing file.html"));
        QVERIFY(!player.placement.shown);
        QVERIFY(!d.tc.document->Visible());
        QVERIFY(d.tc.document->navigated.isEmpty());
    }
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
    QVERIFY(d.start(Media::Music, "InfoPath=" + name.toUtf8() + "\n"));
    click(d.w().button(ButtonId::btnInfo));
    QCOMPARE(d.tc.document->navigated,
             QStringList{navigated == "disc" ? d.onDisc(name) : d.inWorkDir(name)});
    QVERIFY(d.tc.messages.shown.isEmpty());
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
    const QByteArray path = configured.toUtf8();
    QVERIFY(codec ? d.start(Media::Movie, "", path) : d.start(Media::Movie, "", "x.exe", path));

    click(codec ? d.w().button(ButtonId::btnInstallCodec)
                : d.w().button(ButtonId::btnInstallPlayer));

    QVERIFY(d.tc.desktop.foldersOpened.isEmpty());
    if (started.isEmpty()) {
        QVERIFY(d.tc.desktop.started.isEmpty());
        QCOMPARE(d.tc.messages.texts(), QStringList{d.message("errFileNotFound", configured)});
        return;
    }
    QVERIFY(d.tc.messages.shown.isEmpty());
    QCOMPARE(d.tc.desktop.started.size(), 1);
    const auto& start = d.tc.desktop.started.first();
    // By its resolved path alone, as a program, not as a command line.
    QCOMPARE(start.program, started == "disc" ? d.onDisc(relative) : d.inWorkDir(relative));
    QVERIFY(start.arguments.isEmpty());
}

// An installer the system cannot start (no execute bit, an interpreter line that names nothing)
// is said, by where it is; the next click tries again.
void TestDiscActions::installerTheSystemCannotStartIsSaid() {
    Disc d;
    d.makeFile(d.onDisc("Setup/setup.exe"), "not a program");
    QVERIFY(d.start(Media::Movie, "", "Setup\\setup.exe"));
    d.tc.desktop.refuseStarts = true;
    click(d.w().button(ButtonId::btnInstallCodec));
    click(d.w().button(ButtonId::btnInstallCodec));
    QCOMPARE(d.tc.desktop.started.size(), 2);
    QCOMPARE(d.tc.messages.texts(),
             QStringList(2, d.message("errCannotStart",
                                      QDir::toNativeSeparators(d.onDisc("Setup/setup.exe")))));
}

void TestDiscActions::installersLeaveTheDetectionAlone() {
    for (const bool installed : {false, true}) {
        Disc d;
        d.tc.frameworkDecodes = installed;
        d.makeFile(d.onDisc("codec.exe"));
        d.makeFile(d.onDisc("player.exe"));
        QVERIFY(d.start(Media::Movie, "", "codec.exe", "player.exe"));
        const bool codecBefore = d.core->state().installed.CodecInstalled;
        const bool playerBefore = d.core->state().installed.PlayerInstalled;
        QCOMPARE(codecBefore, installed);
        click(d.w().button(ButtonId::btnInstallCodec));
        click(d.w().button(ButtonId::btnInstallPlayer));
        QCOMPARE(d.tc.desktop.started.size(), 2);
        QCOMPARE(d.core->state().installed.CodecInstalled, codecBefore);
        QCOMPARE(d.core->state().installed.PlayerInstalled, playerBefore);
    }
}

void TestDiscActions::outsideLinksGoToTheDesktop() {
    Disc d;
    QVERIFY(d.start(Media::Movie, ""));
    const QUrl link("https://example.com/page?a=1#b");
    emit d.tc.document->outsideLinkClicked(link);
    QCOMPARE(d.tc.desktop.urlsOpened, QList<QUrl>{link});
    QVERIFY(d.tc.desktop.started.isEmpty());
}

QTEST_MAIN(TestDiscActions)
#include "tst_discactions.moc"
