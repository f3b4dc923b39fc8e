// What every player promises, whatever engine is beneath it: the scripted engine on every build,
// GStreamer's and Qt Multimedia's on the sample disc's movie.
#include "doubles/PlayerOpening.h"
#include "doubles/ScriptedEngine.h"
#include "platform/media/EnginePlayer.h"
#ifdef VISTREL_GST_ENGINE
#include "platform/media/gst/GstEngine.h"
#endif
#include "platform/media/qt/QtEngine.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

class TestPlayerContract : public QObject {
    Q_OBJECT

    QString movie;
    QTemporaryDir tempDir;
    std::unique_ptr<QWidget> window;
    EnginePlayer* player = nullptr;
    ScriptedEngine* scripted = nullptr; // the scripted row's engine, else null

    static constexpr int Patience = 30000;

    int open(const QString& path) { return openAndWait(*player, path); }
    double position() const { return player->CurrentPosition(); }
    void playUntil(double seconds) {
        player->Play();
        QTRY_VERIFY_WITH_TIMEOUT(position() > seconds, Patience);
    }
  private slots:
    void initTestCase_data() {
        QTest::addColumn<QString>("engine");
        QTest::newRow("scripted") << "scripted";
#ifdef VISTREL_GST_ENGINE
        QTest::newRow("gstreamer") << "gstreamer";
#endif
        QTest::newRow("qt") << "qt";
    }

    void initTestCase() {
        movie = qEnvironmentVariable("VISTREL_DISC_DIR") + "/movie.avi";
        if (!QFile::exists(movie))
            QSKIP("the sample disc has no movie (ffmpeg missing at build time)");
    }

    void init() {
        QFETCH_GLOBAL(QString, engine);
        window = std::make_unique<QWidget>();
        scripted = engine == "scripted" ? new ScriptedEngine(window.get()) : nullptr;
        MediaEngine* beneath = scripted;
#ifdef VISTREL_GST_ENGINE
        if (engine == "gstreamer")
            beneath = new GstEngine(window.get());
#endif
        if (engine == "qt")
            beneath = new QtEngine(window.get());
        player = new EnginePlayer(window.get(), beneath);
        player->place({{10, 10, 320, 240}});
        window->show();
    }
    void cleanup() {
        window.reset();
    }

    // The verdict never comes inside open(), comes once, and names what was opened; a file that
    // is no movie is refused once and leaves nothing loaded.
    void theVerdictComesOnceFromTheEventLoop() {
        const QString notAMovie =
            writeMediaFile(tempDir.filePath("notamovie.avi"), QByteArray(4096, 'x'));
        if (scripted)
            scripted->answers.insert("notamovie.avi", ScriptedEngine::Answer::Refuses);
        QSignalSpy opened(player, &MediaPlayerControl::opened);
        QSignalSpy failed(player, &MediaPlayerControl::failed);
        player->open(movie);
        QCOMPARE(opened.size() + failed.size(), 0);
        QCOMPARE(player->fileName(), QString());
        QTRY_COMPARE_WITH_TIMEOUT(opened.size(), 1, Patience);
        QCOMPARE(player->fileName(), movie);
        QVERIFY(player->Duration() > 1);

        player->open(notAMovie);
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, Patience);
        QTest::qWait(300);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(failed.size(), 1);
        QCOMPARE(player->fileName(), QString());
        QCOMPARE(player->PlayState(), MediaPlayState::Stopped);
    }

    void playsPausesAndStops() {
        QCOMPARE(open(movie), 0);
        playUntil(0.3);
        QCOMPARE(player->PlayState(), MediaPlayState::Playing);

        player->Pause();
        QCOMPARE(player->PlayState(), MediaPlayState::Paused);
        QTest::qWait(200); // a last position report may still be on its way
        const double halted = position();
        QTest::qWait(400);
        QCOMPARE(position(), halted);
        playUntil(halted);

        player->Stop();
        QCOMPARE(player->PlayState(), MediaPlayState::Stopped);
        QCOMPARE(position(), 0.0);
        player->setCurrentPosition(3); // stopped: taken once the film is ready again
        playUntil(3.1);
        QCOMPARE(player->PlayState(), MediaPlayState::Playing);
    }

    void pauseBeforePlayHoldsAtTheStart() {
        QCOMPARE(open(movie), 0);
        player->Pause();
        QCOMPARE(player->PlayState(), MediaPlayState::Paused);
        QTest::qWait(400);
        QCOMPARE(position(), 0.0);
        playUntil(0.3);
    }

    // Stop hands the teardown on; presses that follow at once keep their order, at every moment
    // of the start.
    void quickStopsAndPlaysEndInTheLastOne() {
        QFETCH_GLOBAL(QString, engine);
        QCOMPARE(open(movie), 0);
        for (int waitMs = 0; waitMs < 60; waitMs += 3) {
            player->Play();
            if (engine != "qt") // Qt's GStreamer backend gives a film up on a stop as it starts
                QTest::qWait(waitMs);
            player->Stop();
        }
        QCOMPARE(player->PlayState(), MediaPlayState::Stopped);
        QCOMPARE(position(), 0.0);
        playUntil(0.3);
        QCOMPARE(player->PlayState(), MediaPlayState::Playing);
    }

    // At the end the picture stays: the position reads the length, never more; a place asked
    // for afterwards holds, and Play from the end starts over.
    void theEndHoldsAndPlayStartsOver() {
        QCOMPARE(open(movie), 0);
        playUntil(0.1);
        const double length = player->Duration();
        player->setCurrentPosition(length - 0.5);
        QTRY_COMPARE_WITH_TIMEOUT(player->PlayState(), MediaPlayState::Stopped, Patience);
        QVERIFY2(position() > length - 1.0 && position() <= length,
                 qPrintable(QString::number(position())));

        player->setCurrentPosition(2);
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(position() - 2) < 0.3, Patience);
        playUntil(2.3);

        player->setCurrentPosition(length);
        QTRY_COMPARE_WITH_TIMEOUT(player->PlayState(), MediaPlayState::Stopped, Patience);
        player->Play();
        QCOMPARE(player->PlayState(), MediaPlayState::Playing);
        QTRY_VERIFY_WITH_TIMEOUT(position() > 0.1 && position() < 5, Patience);
    }

    // However many reports of one failure come, it is told once and nothing is loaded.
    void aLateFailureIsToldOnce() {
        if (!scripted)
            QSKIP("a real framework fails a sound file only by chance");
        QCOMPARE(open(movie), 0);
        playUntil(0.1);
        QSignalSpy failed(player, &MediaPlayerControl::failed);
        scripted->failNow(3);
        QCOMPARE(failed.size(), 1);
        QCOMPARE(player->fileName(), QString());
        QCOMPARE(player->PlayState(), MediaPlayState::Stopped);
        QTRY_VERIFY(scripted->requests.endsWith("Make=")); // the pipeline dropped
    }

    // A film whose engine counts on past its length and never tells the end has ended.
    void playingOnPastTheLengthIsTheEnd() {
        if (!scripted)
            QSKIP("a real framework does so only under load");
        scripted->durationMs = 1500;
        scripted->tellsTheEnd = false;
        QCOMPARE(open(movie), 0);
        player->Play();
        QTRY_COMPARE_WITH_TIMEOUT(player->PlayState(), MediaPlayState::Stopped, 6000);
        QCOMPARE(position(), 1.5);
    }

    // Opening waits for the framework's word only so long; a video that nothing decodes fails
    // the file, also when it is found after the wait.
    void theVerdictFromWhatTheEngineSaid_data() {
        QTest::addColumn<ScriptedEngine::Answer>("answer");
        QTest::addColumn<int>("verdict");
        QTest::newRow("silent: taken as opened") << ScriptedEngine::Answer::Silent << int(NoError);
        QTest::newRow("no video decoder")
            << ScriptedEngine::Answer::LacksVideoDecoder << int(NoVideoDecoder);
        QTest::newRow("refused") << ScriptedEngine::Answer::Refuses << int(Undecodable);
        QTest::newRow("refused for want of a decoder")
            << ScriptedEngine::Answer::RefusesForWantOfADecoder << int(NoVideoDecoder);
    }
    void theVerdictFromWhatTheEngineSaid() {
        QFETCH(ScriptedEngine::Answer, answer);
        QFETCH(int, verdict);
        if (!scripted)
            QSKIP("scripted answers");
        window.reset();
        window = std::make_unique<QWidget>();
        scripted = new ScriptedEngine(window.get());
        scripted->video = false;
        scripted->answers.insert("movie.avi", answer);
        player = new EnginePlayer(window.get(), scripted, 50);
        QCOMPARE(open(movie), verdict);
    }
};

QTEST_MAIN(TestPlayerContract)
#include "tst_playercontract.moc"
