// What the composition root connects, seen from the window: the menu's choices reach the loaders
// and come back to the window, the features and the store; failures are said once; the way out.
#include "doubles/TestDisc.h"
#include "window/MainDialog.h"
#include "window/Stage.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

namespace {

const QString kLanguageValue = "SOFTWARE\\Nordquill\\Vistrel\\Language=";

// The movie disc with two languages and two skins; the installers and the player are offered.
struct Started {
    explicit Started(const QByteArray& extra = {}) {
        disc.addLanguage("english");
        disc.addLanguage("german");
        disc.addSkin("default");
        disc.addSkin("Nightfall");
        disc.addPicture("Skins/Nightfall/back.bmp", {699, 432}, QColor(1, 2, 3));
        disc.writeFile("movie.avi", "not really a movie");
        disc.writeFile("setup.sh", "#!/bin/sh\n");
        disc.writeIni("[Main]\nVersion=1.0\nMovie=movie.avi\nExplorerPath=Extras\n" + extra +
                      "[Player]\nInstallPath=setup.sh\nRunPath=setup.sh\n"
                      "[Codec]\nInstallPath=setup.sh\n");
    }
    bool start() {
        core = tc.make();
        return core->Main(disc.path());
    }
    // Started, and the movie plays.
    bool play() {
        return start() && QTest::qWaitFor(
                              [this] { return tc.player->PlayState() == MediaPlayState::Playing; });
    }
    MainDialog& w() { return tc.window(); }
    void click(ButtonId id) { emit w().button(id)->clicked(); }
    QString playTip() { return w().button(ButtonId::btnPlay)->toolTip(); }
    QList<bool> languageMarks() {
        QList<bool> marks;
        for (const QAction* entry : w().menu().mnuLanguage)
            marks.append(entry->isChecked());
        return marks;
    }

    TestDisc disc;
    TestApp tc;
    std::unique_ptr<Application> core;
};

QRgb backgroundColour(const MainDialog& w) {
    return w.backgroundPicture().toImage().pixel(0, 0) & 0xFFFFFFu;
}

} // namespace

class TestWiring : public QObject {
    Q_OBJECT
  private slots:
    // The menu's language goes to the loader, which remembers it; its texts come back to the
    // window, the menu's mark and the features' messages.
    void aLanguageChosenReachesEveryoneOnce() {
        Started s;
        QVERIFY(s.start());
        QCOMPARE(s.languageMarks(), (QList<bool>{true, false}));
        s.w().menu().mnuLanguage[1]->trigger();
        QCOMPARE(s.playTip(), QString("german tipPlay"));
        QCOMPARE(s.w().menu().mnuAbout->text(), QString("german mnuAbout"));
        QCOMPARE(s.languageMarks(), (QList<bool>{false, true}));
        QCOMPARE(s.tc.registry.writes.last(), kLanguageValue + "german");
        s.click(ButtonId::btnExplore);
        QCOMPARE(s.tc.messages.texts(), QStringList{"german errPathNotFound Extras"});
    }

    void aLanguageGoneSinceTheStartChangesNothing() {
        Started s;
        QVERIFY(s.start());
        QVERIFY(QFile::remove(s.disc.filePath("Language/german.lng")));
        const qsizetype writes = s.tc.registry.writes.size();
        s.w().menu().mnuLanguage[1]->trigger();
        QCOMPARE(s.tc.messages.shown.size(), 1);
        QCOMPARE(s.tc.messages.shown[0].title, QString("Error"));
        QCOMPARE(s.playTip(), QString("english tipPlay"));
        QCOMPARE(s.languageMarks(), (QList<bool>{true, false}));
        QCOMPARE(s.tc.registry.writes.size(), writes);
        QVERIFY(!s.tc.programEnd.ended);
    }

    // A skin chosen is applied and marked; one whose folder went is said, and the mark stays.
    void aSkinChosenIsAppliedAndMarked() {
        Started s;
        QVERIFY(s.start());
        QList<QAction*>& skins = s.w().menu().mnuSkin;
        QCOMPARE(skins[1]->text(), QString("Nightfall"));
        skins[1]->trigger();
        QCOMPARE(backgroundColour(s.w()), qRgb(1, 2, 3) & 0xFFFFFFu);
        QVERIFY(!skins[0]->isChecked() && skins[1]->isChecked());
        QVERIFY(QDir(s.disc.filePath("Skins/default")).removeRecursively());
        skins[0]->trigger();
        QCOMPARE(s.tc.messages.texts(), QStringList{"english errSkinNotFound default"});
        QVERIFY(!skins[0]->isChecked() && skins[1]->isChecked());
    }

    // The disc's own title picture, found on the disc in any letter case or by an absolute path,
    // stays with every skin; one that is missing ends the start.
    void theDiscsTitlePicture() {
        {
            Started s("Title=art\\title.png\n");
            s.disc.addPicture("Art/Title.png", {152, 88}, QColor(9, 8, 7));
            QVERIFY(s.start());
            QCOMPARE(s.w().picTitle()->picture().toImage().pixel(0, 0), qRgb(9, 8, 7));
        }
        {
            TestDisc elsewhere;
            elsewhere.addPicture("title.bmp", {100, 50}, QColor(7, 8, 9));
            Started s("Title=" + elsewhere.filePath("title.bmp").toUtf8() + "\n");
            QVERIFY(s.start());
            s.w().menu().mnuSkin[1]->trigger();
            QCOMPARE(s.w().picTitle()->picture().toImage().pixel(0, 0), qRgb(7, 8, 9));
            QCOMPARE(s.w().picTitle()->size(), QSize(100, 50));
        }
        {
            Started s("Title=nothere.bmp\n");
            QVERIFY(!s.start());
            QVERIFY(s.tc.programEnd.ended);
            QVERIFY(s.tc.messages.texts().value(0).contains("nothere.bmp"));
        }
    }

    // A movie the framework cannot open is said once, by what failed: only a missing decoder
    // asks for the codec. Full screen is then the pictures'. The movie goes (or empties) after
    // the start, before its opening.
    void aMovieThatCannotPlayIsSaidOnce_data() {
        using Answer = ScriptedEngine::Answer;
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QByteArray>("movie"); // what the file holds then; "gone": removed
        QTest::addColumn<QString>("message");  // "%1": the movie's path
        QTest::newRow("not a film") << Answer::Refuses << QByteArray("x") << "errCannotPlay %1";
        QTest::newRow("empty") << Answer::Prerolls << QByteArray() << "errCannotPlay %1";
        QTest::newRow("no decoder") << Answer::LacksVideoDecoder << QByteArray("x")
                                    << "errCodecNotInstalled MPEG-4 video codec";
        QTest::newRow("gone") << Answer::Prerolls << QByteArray("gone") << "errFileNotFound %1";
    }

    void aMovieThatCannotPlayIsSaidOnce() {
        QFETCH(ScriptedEngine::Answer, answer);
        QFETCH(QByteArray, movie);
        QFETCH(QString, message);
        Started s;
        QVERIFY(s.start());
        s.tc.engine->answers.insert("movie.avi", answer);
        if (movie == "gone")
            QVERIFY(QFile::remove(s.disc.filePath("movie.avi")));
        else
            s.disc.writeFile("movie.avi", movie);
        QTRY_VERIFY(!s.tc.messages.shown.isEmpty());
        QTest::qWait(20);
        QCOMPARE(s.tc.messages.texts(),
                 QStringList{"english " + message.arg(s.disc.path() + "/movie.avi")});
        s.click(ButtonId::btnMaximize);
        QTRY_VERIFY(s.w().isFullScreen());
        QVERIFY(!s.tc.engine->placement.fullScreen);
    }

    // Installing the codec while the program runs changes nothing until the next start: the
    // external player still asks for it, by the program's own name where the disc names none.
    void installersLeaveTheDetectionAlone() {
        Started s;
        QVERIFY(s.play());
        s.click(ButtonId::btnInstallCodec);
        s.click(ButtonId::btnInstallPlayer);
        QCOMPARE(s.tc.desktop.started.size(), 2);
        s.click(ButtonId::btnStartPlayer);
        QCOMPARE(s.tc.desktop.started.size(), 2);
        QCOMPARE(s.tc.messages.texts(),
                 QStringList{"english errCodecNotInstalled MPEG-4 video codec"});
        QVERIFY(!s.tc.programEnd.ended);
    }

    // With the codec, the external player takes the movie over and the front end ends.
    void theExternalPlayerTakesOver() {
        Started s;
        s.tc.frameworkDecodes = true;
        QVERIFY(s.play());
        s.click(ButtonId::btnStartPlayer);
        QCOMPARE(s.tc.desktop.started.size(), 1);
        QCOMPARE(s.tc.engine->requests.last(), QString("Null"));
        QVERIFY(s.tc.programEnd.ended);
    }

    // The menu's exit ends the program with the player as it is; btnExit stops it first.
    void theWaysOut_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("menu's exit") << true;
        QTest::newRow("btnExit") << false;
    }

    void theWaysOut() {
        QFETCH(bool, byMenu);
        Started s;
        QVERIFY(s.play());
        s.tc.engine->requests.clear();
        if (byMenu)
            s.w().menu().mnuExit->trigger();
        else
            s.click(ButtonId::btnExit);
        QCOMPARE(s.tc.programEnd.count, 1);
        QCOMPARE(s.tc.engine->requests.contains("Null"), !byMenu);
    }

    void outsideLinksGoToTheDesktop() {
        Started s;
        QVERIFY(s.start());
        const QUrl link("https://example.com/page?a=1#b");
        emit s.tc.document->outsideLinkClicked(link);
        QCOMPARE(s.tc.desktop.urlsOpened, QList<QUrl>{link});
        QVERIFY(s.tc.desktop.started.isEmpty());
    }
};

QTEST_MAIN(TestWiring)
#include "tst_wiring.moc"
