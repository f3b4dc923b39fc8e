// The start-up sequence against a disc folder on disk, with every seam recorded.
#include "doubles/TestDisc.h"
#include "window/MainDialog.h"
#include "window/Stage.h"
#include "window/VideoPlacer.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

namespace {

const QByteArray kFullIni =
    "[Main]\nVersion=1.0\nMovie=movie.avi\nExplorerPath=Extras\n"
    "InfoPath=info.html\n[Player]\nInstallPath=p.exe\nRunPath=run.exe\n"
    "Parameter=movie.avi\n[Codec]\nInstallPath=c.exe\nDescription=Codec X\n";

struct Fixture {
    TestDisc disc;
    TestApp tc;
    std::unique_ptr<Application> core;

    explicit Fixture(const QByteArray& ini = kFullIni, bool withSkin = true) {
        disc.addLanguage("english");
        disc.addLanguage("german");
        if (withSkin)
            disc.addSkin("default");
        if (!ini.isNull())
            disc.writeIni(ini);
        disc.writeFile("movie.avi", "not really a movie");
    }
    bool run() {
        core = tc.make();
        return core->Main(disc.path());
    }
    MainDialog& window() { return tc.window(); }
    // Whether the button shows picture index of its set in the skin "default".
    bool shows(ButtonId id, const QString& set, int index) {
        const QImage file(disc.filePath(QString("Skins/default/%1%2.bmp").arg(set).arg(index)));
        const QImage shown = window().button(id)->picture().toImage();
        return !shown.isNull() && shown.pixel(0, 0) == file.pixel(0, 0);
    }
};

} // namespace

class TstStartup : public QObject {
    Q_OBJECT
  private slots:
    void fullDiscShowsTheWindow() {
        Fixture f;
        QVERIFY(f.run());
        QVERIFY(!f.tc.programEnd.ended);
        QVERIFY(f.tc.messages.shown.isEmpty());
        MainDialog& w = f.window();
        QVERIFY(w.isVisible());
        QCOMPARE(w.windowTitle(), QString("Vistrel"));
        QCOMPARE(w.button(ButtonId::btnPlay)->toolTip(), QString("english tipPlay"));
        for (QWidget* button :
             {w.button(ButtonId::btnInstallCodec), w.button(ButtonId::btnInstallPlayer),
              w.button(ButtonId::btnInfo), w.button(ButtonId::btnStartPlayer),
              w.button(ButtonId::btnExplore), w.button(ButtonId::btnExit)})
            QVERIFY2(button->isVisibleTo(&w), qPrintable(button->objectName()));
        QCOMPARE(w.stage().show(), Stage::Show::Movie);
        QCOMPARE(w.stage().mediaFile(), f.disc.path() + "/movie.avi");
        QCOMPARE(f.tc.registry.writes,
                 QStringList{"SOFTWARE\\Nordquill\\Vistrel\\Language=english"});
    }

    void registryIsReadInOrder() {
        Fixture f;
        QVERIFY(f.run());
        QCOMPARE(f.tc.registry.reads,
                 (QStringList{
                     "SOFTWARE\\Nordquill\\Vistrel\\Language",
                     "SYSTEM\\CurrentControlSet\\Control\\MediaResources\\icm\\vidc.DIV3\\Driver",
                     "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\drivers.desc\\DivXc32.dll",
                     "SOFTWARE\\DVE\\Micro DVD Player\\INILocation"}));
    }

    void failuresEndTheProgram_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("message");
        QTest::newRow("no language file") << "nolang"
                                          << "";
        QTest::newRow("default language missing") << "defaultmissing"
                                                  << "Error";
        QTest::newRow("version 2.0") << "version"
                                     << "Vistrel";
        QTest::newRow("version 2.0 on a disc with its own name") << "caption"
                                                                 << "Mein Film";
        QTest::newRow("no skins folder") << "noskins"
                                         << "";
        QTest::newRow("skin folder missing") << "skinmissing"
                                             << "Vistrel";
        QTest::newRow("second instance") << "second"
                                         << "";
    }
    void failuresEndTheProgram() {
        QFETCH(QString, situation);
        QFETCH(QString, message);
        QByteArray ini = kFullIni;
        if (situation == "version" || situation == "caption")
            ini.replace("Version=1.0", "Version=2.0");
        if (situation == "caption")
            ini.replace("[Main]\n", "[Main]\nCaption= Mein Film \n");
        if (situation == "skinmissing")
            ini += "[Main]\n"; // the second section of a name is not read
        Fixture f(situation == "skinmissing" ? ini.replace("[Main]\n", "[Main]\nSkin=gone\n") : ini,
                  situation != "noskins");
        if (situation == "nolang") {
            QFile::remove(f.disc.filePath("Language/english.lng"));
            QFile::remove(f.disc.filePath("Language/german.lng"));
        }
        if (situation == "defaultmissing")
            QFile::remove(f.disc.filePath("Language/english.lng"));
        if (situation == "second")
            f.tc.singleInstance.otherRunning = true;

        QVERIFY(!f.run());
        QVERIFY(f.tc.programEnd.ended);
        QCOMPARE(f.tc.programEnd.count, 1);
        QVERIFY(!f.window().isVisible());
        if (message.isEmpty()) {
            QVERIFY(f.tc.messages.shown.isEmpty());
        } else {
            QCOMPARE(f.tc.messages.shown.size(), 1);
            QCOMPARE(f.tc.messages.shown[0].title, message);
        }
        // The disc's name, once read, is the window's too (the language loader's "Error" is not).
        if (situation == "version" || situation == "caption")
            QCOMPARE(f.window().windowTitle(), message);
        if (situation == "second") {
            QVERIFY(f.tc.singleInstance.activatedOther);
            QCOMPARE(f.window().windowTitle(), QString("HideApp"));
            QVERIFY(f.tc.registry.reads.isEmpty());
        }
    }

    // A language chosen on another disc that this one lacks: the disc's default shows, and the
    // choice is kept for the discs that have it.
    void languageChosenElsewhereGivesWayToTheDefault() {
        Fixture f;
        f.tc.registry.set(RegistryRoot::CurrentUser, "SOFTWARE\\Nordquill\\Vistrel", "Language",
                          RegistryValue::fromText("klingon"));
        QVERIFY(f.run());
        QVERIFY(f.tc.messages.shown.isEmpty());
        QCOMPARE(f.window().button(ButtonId::btnPlay)->toolTip(), QString("english tipPlay"));
        QVERIFY(f.tc.registry.writes.isEmpty());
    }

    void theSkinMenuShowsOnlyWhenTheDiscAsks_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("shown");
        QTest::newRow("not set") << QByteArray() << false;
        QTest::newRow("off") << QByteArray("ShowSkinMenu=0\n") << false;
        QTest::newRow("on") << QByteArray("ShowSkinMenu=1\n") << true;
    }
    void theSkinMenuShowsOnlyWhenTheDiscAsks() {
        QFETCH(QByteArray, line);
        QFETCH(bool, shown);
        Fixture f(QByteArray(kFullIni).replace("[Main]\n", "[Main]\n" + line));
        QVERIFY(f.run());
        QCOMPARE(f.window().menu().mnuChooseSkin->menuAction()->isVisible(), shown);
    }

    void versionMessageUsesTheChosenLanguageAndIniPath() {
        Fixture f(QByteArray(kFullIni).replace("Version=1.0", "Version=1.00"));
        f.tc.registry.set(RegistryRoot::CurrentUser, "SOFTWARE\\Nordquill\\Vistrel", "Language",
                          RegistryValue::fromText("german"));
        QVERIFY(!f.run());
        QCOMPARE(f.tc.messages.shown[0].text,
                 "german errINIVersion " + f.disc.path() + "/vistrel.ini");
    }

    void versionIsTrimmedAndDefaults_data() {
        QTest::addColumn<QByteArray>("versionLine");
        QTest::addColumn<bool>("passes");
        QTest::newRow("blanks around") << QByteArray("Version=  1.0  \n") << true;
        QTest::newRow("missing key") << QByteArray() << true;
        QTest::newRow("empty value") << QByteArray("Version=\n") << false;
        QTest::newRow("1.00") << QByteArray("Version=1.00\n") << false;
    }
    void versionIsTrimmedAndDefaults() {
        QFETCH(QByteArray, versionLine);
        QFETCH(bool, passes);
        Fixture f("[Main]\n" + versionLine);
        QCOMPARE(f.run(), passes);
    }

    void missingConfigurationUsesDefaults() {
        Fixture f(QByteArray(), true);
        QVERIFY(f.run());
        MainDialog& w = f.window();
        QCOMPARE(w.stage().show(), Stage::Show::Nothing);
        for (const ButtonRow& row : Buttons)
            QCOMPARE(w.button(row.id)->isVisibleTo(&w),
                     row.kind != ButtonKind::Action || row.path.key == nullptr);
        QVERIFY(w.menu().mnuSkin[0]->isChecked());
        QCOMPARE(w.menu().mnuSkin[0]->text(), QString("default"));
        QCOMPARE(f.tc.registry.writes.last(),
                 QString("SOFTWARE\\Nordquill\\Vistrel\\Language=english"));
    }

    void switchesAndPaths_data() {
        QTest::addColumn<QByteArray>("extra");
        QTest::addColumn<QString>("expected"); // codec, player, info, start, explore
        QTest::newRow("all on") << QByteArray() << "11111";
        QTest::newRow("player switch off") << QByteArray("ShowInstallPlayer=0\n") << "10000";
        QTest::newRow("codec switch off") << QByteArray("ShowInstallCodec=0\n") << "01111";
        QTest::newRow("yes is off") << QByteArray("ShowInstallPlayer=yes\n") << "10000";
        QTest::newRow("empty explorer path") << QByteArray("ExplorerPath=\n") << "11110";
    }
    void switchesAndPaths() {
        QFETCH(QByteArray, extra);
        QFETCH(QString, expected);
        // Keys placed first in [Main] win over the later ones.
        Fixture f(QByteArray(kFullIni).replace("[Main]\n", "[Main]\n" + extra));
        QVERIFY(f.run());
        MainDialog& w = f.window();
        QString shown;
        for (ButtonId id : {ButtonId::btnInstallCodec, ButtonId::btnInstallPlayer,
                            ButtonId::btnInfo, ButtonId::btnStartPlayer, ButtonId::btnExplore})
            shown += w.button(id)->isVisibleTo(&w) ? '1' : '0';
        QCOMPARE(shown, expected);
    }

    void mediaSelection_data() {
        using S = Stage::Show;
        QTest::addColumn<QByteArray>("main");
        QTest::addColumn<Stage::Show>("show");
        QTest::addColumn<QString>("forwardTip");
        QTest::newRow("movie and music")
            << QByteArray("Movie=movie.avi\nMusic=movie.avi\nSlideShow=1\n") << S::Movie
            << "english tipForward";
        QTest::newRow("nothing but slideshow")
            << QByteArray("SlideShow=1\n") << S::Slides << QString("nächstes Bild");
        QTest::newRow("music with slideshow") << QByteArray("Music=movie.avi\nSlideShow=1\n")
                                              << S::MusicAndSlides << QString("nächstes Bild");
        QTest::newRow("slideshow true is off")
            << QByteArray("SlideShow=true\n") << S::Nothing << "english tipForward";
    }
    void mediaSelection() {
        QFETCH(QByteArray, main);
        QFETCH(Stage::Show, show);
        QFETCH(QString, forwardTip);
        Fixture f("[Main]\n" + main);
        QVERIFY(f.run());
        QCOMPARE(f.window().stage().show(), show);
        QCOMPARE(f.window().button(ButtonId::btnForward)->toolTip(), forwardTip);
        QCOMPARE(f.window().videoPlacer()->placement().shown, show == Stage::Show::Movie);
    }

    void missingMovieIsReportedOnceAndDropped() {
        Fixture f("[Main]\nMovie=films\\gone.avi\n");
        QVERIFY(f.run());
        QCOMPARE(f.tc.messages.texts(),
                 QStringList{"english errFileNotFound " + f.disc.path() + "/films\\gone.avi"});
        QVERIFY(f.window().stage().mediaFile().isEmpty());
        QCOMPARE(f.window().stage().show(), Stage::Show::Nothing);
    }

    // Only the music is dropped: its pictures still show.
    void missingMusicKeepsTheSlideshow() {
        Fixture f("[Main]\nMusic=gone.mp3\nSlideShow=1\n");
        QVERIFY(f.run());
        QCOMPARE(f.tc.messages.texts(),
                 QStringList{"english errFileNotFound " + f.disc.path() + "/gone.mp3"});
        QCOMPARE(f.window().stage().show(), Stage::Show::Slides);
    }

    void movieFoundCaseInsensitivelyUnderTheDisc() {
        Fixture f("[Main]\nMovie=MOVIE.AVI\n");
        QVERIFY(f.run());
        QVERIFY(f.tc.messages.shown.isEmpty());
        QVERIFY(f.window().stage().movie());
    }

    void detection_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("framework");
        QTest::addColumn<bool>("codec");
        QTest::addColumn<bool>("player");
        QTest::newRow("nothing") << ""
                                 << "" << false << false << false;
        QTest::newRow("drivers.desc only")
            << "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\drivers.desc|DivXc32.dll"
            << "x" << false << true << false;
        QTest::newRow("vidc driver")
            << "SYSTEM\\CurrentControlSet\\Control\\MediaResources\\icm\\vidc.DIV3|Driver"
            << "divx.dll" << false << true << false;
        QTest::newRow("player value empty") << "SOFTWARE\\DVE\\Micro DVD Player|INILocation"
                                            << "" << false << false << false;
        QTest::newRow("player installed") << "SOFTWARE\\DVE\\Micro DVD Player|INILocation"
                                          << "c:\\mdp.ini" << false << false << true;
        QTest::newRow("framework decodes") << ""
                                           << "" << true << true << false;
    }
    void detection() {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(bool, framework);
        QFETCH(bool, codec);
        QFETCH(bool, player);
        Fixture f;
        if (!key.isEmpty())
            f.tc.registry.set(RegistryRoot::LocalMachine, key.section('|', 0, 0),
                              key.section('|', 1), RegistryValue::fromText(value));
        f.tc.frameworkDecodes = framework;
        QVERIFY(f.run());
        // What the flags decide: the first looks of the buttons of the codec and the player.
        QVERIFY(f.shows(ButtonId::btnInstallCodec, "codec", codec ? 1 : 0));
        QVERIFY(f.shows(ButtonId::btnStartPlayer, "start", codec ? 1 : 0));
        QVERIFY(f.shows(ButtonId::btnInstallPlayer, "player", player ? 1 : 0));
    }

    void numericLanguageNameSurvivesTheNextStart() {
        Fixture f;
        f.disc.addLanguage("007");
        f.disc.writeIni("[Main]\nDefaultLanguage=007\n");
        QVERIFY(f.run());
        const RegistryValue stored = f.tc.registry.ReadRegistryValue(
            RegistryRoot::CurrentUser, "SOFTWARE\\Nordquill\\Vistrel", "Language");
        QCOMPARE(stored, RegistryValue::fromText("007"));
    }

    void storedNumberIsReadAsItsDecimalText() {
        Fixture f;
        f.disc.addLanguage("42");
        f.tc.registry.set(RegistryRoot::CurrentUser, "SOFTWARE\\Nordquill\\Vistrel", "Language",
                          RegistryValue::fromNumber(42));
        QVERIFY(f.run());
        QCOMPARE(f.window().button(ButtonId::btnPlay)->toolTip(), QString("42 tipPlay"));
    }
};

QTEST_MAIN(TstStartup)
#include "tst_startup.moc"
