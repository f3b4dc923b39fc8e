#include "doubles/TestDisc.h"
#include "platform/media/MediaPlayerControl.h"

#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

// btnStartPlayer: the codec test, finding the player, stopping the movie, the start by path with
// the parameter's words as arguments, and the end of the front end.
class TestExternalPlayer : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDisc> disc;
    std::unique_ptr<TestApp> tc;
    std::unique_ptr<Application> core;

    void start(const QByteArray& runPath, const QByteArray& parameter, bool codec = true) {
        disc->writeIni("[Main]\nVersion=1.0\nDefaultLanguage=english\nSkin=plain\n"
                       "Movie=film.avi\nShowInstallPlayer=1\n"
                       "[Player]\nRunPath=" +
                       runPath + "\nParameter=" + parameter +
                       "\n[Codec]\nDescription=MPEG-4 video\n");
        disc->writeFile("Language/english.lng",
                        "[ErrorMsg]\nerrCodecNotInstalled=no codec %s (%s)\n"
                        "errFileNotFound=not found: %s\n");
        tc->frameworkDecodes = codec;
        core = tc->make();
        QVERIFY(core->Main(disc->path()));
        QTRY_VERIFY(!core->dialog().TimerMovie()->isActive());
        tc->player->calls.clear();
    }

    void press() { emit core->dialog().button(ButtonId::btnStartPlayer)->clicked(); }
    QStringList messages() const { return tc->messages.texts(); }

  private slots:
    void init() {
        disc = std::make_unique<TestDisc>();
        tc = std::make_unique<TestApp>();
        disc->addLanguage("english");
        disc->addSkin("plain");
        disc->writeFile("film.avi", "movie");
        disc->writeFile("Player/Run Movie.sh", "#!/bin/sh\n");
    }

    void cleanup() {
        core.reset();
        tc.reset();
        disc.reset();
    }

    void withoutTheCodecOnlyItsMessageShows() {
        start("Missing\\player.sh", "movie.avi", false);
        QVERIFY(!core->state().installed.CodecInstalled);
        press();
        QCOMPARE(messages(), QStringList{"no codec MPEG-4 video (MPEG-4 video)"});
        QVERIFY(tc->desktop.started.isEmpty());
        QVERIFY(tc->player->calls.isEmpty());
        QVERIFY(!tc->programEnd.ended);
    }

    void aMissingPlayerNamesTheConfiguredPath() {
        start("Missing\\player.sh", "movie.avi");
        press();
        QCOMPARE(messages(), QStringList{"not found: Missing\\player.sh"});
        QVERIFY(tc->desktop.started.isEmpty());
        QVERIFY(tc->player->calls.isEmpty()); // playback in the window goes on
        QVERIFY(!tc->programEnd.ended);
    }

    // The player below the disc's folder, named with '\' and other letter case; the movie is
    // stopped before the start, and the front end ends after it.
    void aPlayerBelowTheDiscStartsAndTheFrontEndEnds() {
        start("player\\RUN MOVIE.sh", "movie.avi -fs");
        QCOMPARE(tc->player->PlayState(), MediaPlayState::Playing);
        bool stoppedFirst = false;
        tc->desktop.onStart = [&](const RecordingDesktop::Start&) {
            stoppedFirst = tc->player->calls == QStringList{"Stop"};
        };
        press();
        QVERIFY(messages().isEmpty());
        QCOMPARE(tc->desktop.started.size(), 1);
        const auto& started = tc->desktop.started.first();
        QVERIFY(QFileInfo(started.program).isAbsolute());
        QCOMPARE(QFileInfo(started.program).canonicalFilePath(),
                 QFileInfo(disc->filePath("Player/Run Movie.sh")).canonicalFilePath());
        QCOMPARE(started.arguments, QStringList({"movie.avi", "-fs"}));
        QVERIFY(stoppedFirst);
        QVERIFY(tc->programEnd.ended);
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
        QCOMPARE(tc->desktop.started.size(), 1);
        QCOMPARE(tc->desktop.started.first().program,
                 QFileInfo(elsewhere.filePath("bin/tool.sh")).absoluteFilePath());
    }

    void anAbsolutePathWithBlanksIsOneProgram() {
        const QString absolute = disc->filePath("Player/Run Movie.sh");
        start(absolute.toUtf8(), "");
        press();
        QCOMPARE(tc->desktop.started.size(), 1);
        QCOMPARE(tc->desktop.started.first().program, absolute);
        QVERIFY(tc->programEnd.ended);
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
        QCOMPARE(tc->desktop.started.size(), 1);
        QCOMPARE(tc->desktop.started.first().arguments, arguments);
    }

    // A start the system refuses keeps the front end open with a message instead of closing it
    // with nothing playing; a language file without the text has the program's English.
    void aRefusedStartKeepsTheFrontEnd() {
        start("Player\\Run Movie.sh", "movie.avi");
        tc->desktop.refuseStarts = true;
        press();
        const QString player = QFileInfo(disc->filePath("Player/Run Movie.sh")).absoluteFilePath();
        QCOMPARE(messages(), QStringList{"The program " + QDir::toNativeSeparators(player) +
                                         " could not be started."});
        QVERIFY(!tc->programEnd.ended);
    }
};

QTEST_MAIN(TestExternalPlayer)
#include "tst_externalplayer.moc"
