#include "doubles/TestDisc.h"
#include "doubles/TestWindow.h"
#include "media/ExternalPlayer.h"

#include <QSignalSpy>
#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

// btnStartPlayer: the codec test, finding the player, stopping the movie, the start by path with
// the parameter's words as arguments, and the hand-over that ends the front end.
class TestExternalPlayer : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDisc> disc;
    std::unique_ptr<TestWindow> t;
    std::unique_ptr<RecordingDesktop> desktop;
    RecordingMessageBoxes messageBoxes;
    Messages said{messageBoxes, "Vistrel"};
    std::unique_ptr<ExternalPlayer> player;
    std::unique_ptr<QSignalSpy> handedOver;

    // The movie playing, the player at runPath with its parameter.
    void start(const QByteArray& runPath, const QByteArray& parameter, bool codec = true) {
        player = std::make_unique<ExternalPlayer>(
            *t->player, DiscFolder(disc->path()),
            ExternalPlayerSettings{QString::fromUtf8(runPath), QString::fromUtf8(parameter),
                                   "MPEG-4 video"},
            Components{codec, false}, *desktop, said);
        handedOver = std::make_unique<QSignalSpy>(player.get(), &ExternalPlayer::handedOver);
        t->player->open(t->mediaFile("film.avi"));
        QTRY_VERIFY(!t->player->fileName().isEmpty());
        t->player->Play();
        t->engine->requests.clear();
    }

    void press() { player->startPlayerClicked(); }
    QStringList messages() const { return messageBoxes.texts(); }
    bool ended() const { return !handedOver->isEmpty(); }

  private slots:
    void init() {
        disc = std::make_unique<TestDisc>();
        t = std::make_unique<TestWindow>();
        desktop = std::make_unique<RecordingDesktop>();
        messageBoxes.shown.clear();
        LanguageTexts texts;
        texts["errCodecNotInstalled"] = "no codec %s (%s)";
        texts["errFileNotFound"] = "not found: %s";
        texts["errCannotStart"] = "cannot start %s";
        said.setTexts(texts);
        disc->writeFile("Player/Run Movie.sh", "#!/bin/sh\n");
    }

    void cleanup() {
        handedOver.reset();
        player.reset();
        t.reset();
        disc.reset();
    }

    void withoutTheCodecOnlyItsMessageShows() {
        start("Missing\\player.sh", "movie.avi", false);
        press();
        QCOMPARE(messages(), QStringList{"no codec MPEG-4 video (MPEG-4 video)"});
        QVERIFY(desktop->started.isEmpty());
        QVERIFY(t->engine->requests.isEmpty());
        QVERIFY(!ended());
    }

    void aMissingPlayerNamesTheConfiguredPath() {
        start("Missing\\player.sh", "movie.avi");
        press();
        QCOMPARE(messages(), QStringList{"not found: Missing\\player.sh"});
        QVERIFY(desktop->started.isEmpty());
        QVERIFY(t->engine->requests.isEmpty()); // playback in the window goes on
        QVERIFY(!ended());
    }

    // The player below the disc's folder, named with '\' and other letter case; the movie is
    // stopped before the start, and the front end ends after it.
    void aPlayerBelowTheDiscStartsAndTheFrontEndEnds() {
        start("player\\RUN MOVIE.sh", "movie.avi -fs");
        QCOMPARE(t->player->PlayState(), MediaPlayState::Playing);
        bool stoppedFirst = false;
        desktop->onStart = [&](const RecordingDesktop::Start&) {
            stoppedFirst = t->engine->requests == QStringList{"Null"};
        };
        press();
        QVERIFY(messages().isEmpty());
        QCOMPARE(desktop->started.size(), 1);
        const auto& started = desktop->started.first();
        QVERIFY(QFileInfo(started.program).isAbsolute());
        QCOMPARE(QFileInfo(started.program).canonicalFilePath(),
                 QFileInfo(disc->filePath("Player/Run Movie.sh")).canonicalFilePath());
        QCOMPARE(started.arguments, QStringList({"movie.avi", "-fs"}));
        QVERIFY(stoppedFirst);
        QVERIFY(ended());
    }

    // Tried as written first: relative to the working folder, which is not the disc here.
    void aPathFoundAsWrittenIsStartedByItsFullPath() {
        QTemporaryDir elsewhere;
        QVERIFY(QDir(elsewhere.path()).mkpath("bin"));
        QFile tool(elsewhere.filePath("bin/tool.sh"));
        QVERIFY(tool.open(QIODevice::WriteOnly));
        tool.close();
        const QString before = QDir::currentPath();
        QDir::setCurrent(elsewhere.path());
        start("bin\\tool.sh", "");
        press();
        QDir::setCurrent(before);
        QCOMPARE(desktop->started.size(), 1);
        QCOMPARE(desktop->started.first().program,
                 QFileInfo(elsewhere.filePath("bin/tool.sh")).absoluteFilePath());
    }

    void anAbsolutePathWithBlanksIsOneProgram() {
        const QString absolute = disc->filePath("Player/Run Movie.sh");
        start(absolute.toUtf8(), "");
        press();
        QCOMPARE(desktop->started.size(), 1);
        QCOMPARE(desktop->started.first().program, absolute);
        QVERIFY(ended());
    }

    void theParameterBecomesArgumentsWithoutExpansion_data() {
        QTest::addColumn<QByteArray>("parameter");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("empty: no argument") << QByteArray() << QStringList{};
        QTest::newRow("quoted blanks")
            << QByteArray("'my movie.avi' --full") << QStringList{"my movie.avi", "--full"};
        QTest::newRow("shell syntax stays text")
            << QByteArray("a.avi; rm -rf $(pwd) `id`")
            << QStringList{"a.avi;", "rm", "-rf", "$(pwd)", "`id`"};
    }

    void theParameterBecomesArgumentsWithoutExpansion() {
        QFETCH(QByteArray, parameter);
        QFETCH(QStringList, arguments);
        start("Player\\Run Movie.sh", parameter);
        press();
        QCOMPARE(desktop->started.size(), 1);
        QCOMPARE(desktop->started.first().arguments, arguments);
    }

    // A start the system refuses keeps the front end open with a message instead of closing it
    // with nothing playing; the message names the program.
    void aRefusedStartKeepsTheFrontEnd() {
        start("Player\\Run Movie.sh", "movie.avi");
        desktop->refuseStarts = true;
        press();
        const QString player = QFileInfo(disc->filePath("Player/Run Movie.sh")).absoluteFilePath();
        QCOMPARE(messages(), QStringList{"cannot start " + QDir::toNativeSeparators(player)});
        QVERIFY(!ended());
    }
};

QTEST_MAIN(TestExternalPlayer)
#include "tst_externalplayer.moc"
