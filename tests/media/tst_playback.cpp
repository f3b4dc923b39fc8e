// The start of playback and the five playback buttons, on a stage of their own with the
// program's player over a scripted engine.
#include "doubles/TestWindow.h"
#include "media/Playback.h"
#include "window/VideoPlacer.h"
#include "window/WindowAreas.h"

#include <QSignalSpy>
#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

namespace {

using Show = Stage::Show;
using View = Stage::View;

// What opening asks of the engine: the film's pipeline, paused for the verdict.
const QStringList Opened{"Make=film.avi", "Paused"};

// Playback on a stage showing the given media, the slides (if any) set up with an interval.
struct Bench {
    explicit Bench(Show show) {
        const bool media =
            show == Show::Movie || show == Show::Music || show == Show::MusicAndSlides;
        stage().setShow(show, media ? film : QString());
        if (stage().slides())
            stage().setSlideInterval(1000);
    }
    // The start of playback has run, the player's verdict has come, and the engine's record is
    // cleared.
    void started() {
        playback.start();
        QTRY_VERIFY(!stage().startCued());
        QTRY_VERIFY(!stage().opensMedia() || !player().fileName().isEmpty());
        engine().requests.clear();
    }
    // Playing from the start, paused by the player, or stopped by a short film's end.
    void reach(MediaPlayState state) {
        if (state == MediaPlayState::Stopped)
            engine().durationMs = 100;
        started();
        if (state == MediaPlayState::Paused)
            player().Pause();
        QTRY_COMPARE(player().PlayState(), state);
        engine().requests.clear();
    }
    void setSlidesRunning(bool running) {
        if (running)
            stage().runSlides();
        else
            stage().holdSlides();
    }
    Stage& stage() { return t.stage(); }
    EnginePlayer& player() { return *t.player; }
    ScriptedEngine& engine() { return *t.engine; }
    void click(const QString& button) {
        const QHash<QString, void (Playback::*)()> handlers = {
            {"Play", &Playback::playClicked},
            {"Pause", &Playback::pauseClicked},
            {"Stop", &Playback::stopClicked},
            {"Forward", &Playback::forwardClicked},
            {"Backward", &Playback::backwardClicked}};
        (playback.*handlers.value(button))();
    }

    TestWindow t;
    QString film = t.mediaFile("film.avi");
    bool painted = true;
    Playback playback{*t.player, t.stage(), [this] { return painted; }};
    QSignalSpy notOpened{&playback, &Playback::mediaNotOpened};
    QSignalSpy slidesStart{&playback, &Playback::slideshowStarts};
    QSignalSpy nextSlide{&playback, &Playback::nextSlideWanted};
};

} // namespace

class TestPlayback : public QObject {
    Q_OBJECT

  private slots:
    // ---- the start of playback ----

    void theMovieStartsOnceInFront() {
        Bench b(Show::Movie);
        b.playback.start();
        QVERIFY(b.engine().requests.isEmpty());
        QTRY_COMPARE(b.player().PlayState(), MediaPlayState::Playing);
        QCOMPARE(b.engine().requests, Opened + QStringList{"Playing"});
        QCOMPARE(b.stage().view(), View::Video);
        QTest::qWait(20);
        QCOMPARE(b.engine().requests.size(), 3);
    }

    // The movie is opened once the window's first frame is painted, or when it never is (covered
    // from the start) after a short wait; with nothing to open the slides start at once.
    void theStartWaitsForTheFirstFrame_data() {
        QTest::addColumn<Show>("show");
        QTest::addColumn<int>("paintedAfterMs"); // -1: never
        QTest::addColumn<int>("atLeastMs");
        QTest::newRow("movie, painted late") << Show::Movie << 40 << 40;
        QTest::newRow("movie, never painted") << Show::Movie << -1 << Playback::FirstFrameWaitMs;
        QTest::newRow("slides alone, never painted") << Show::Slides << -1 << 0;
    }

    void theStartWaitsForTheFirstFrame() {
        QFETCH(Show, show);
        QFETCH(int, paintedAfterMs);
        QFETCH(int, atLeastMs);
        Bench b(show);
        b.painted = false;
        if (paintedAfterMs >= 0)
            QTimer::singleShot(paintedAfterMs, [&b] { b.painted = true; });
        QElapsedTimer clock;
        clock.start();
        b.playback.start();
        QTRY_VERIFY(!b.stage().startCued());
        QVERIFY(clock.elapsed() >= atLeastMs);
        if (show == Show::Movie)
            QCOMPARE(b.engine().requests.mid(0, Opened.size()), Opened);
        else
            QCOMPARE(b.slidesStart.size(), 1);
    }

    void musicPlaysUnseenAndTheSlidesStartAfterItsVerdict() {
        Bench b(Show::MusicAndSlides);
        connect(&b.playback, &Playback::slideshowStarts, this,
                [&b] { QCOMPARE(b.engine().requests, Opened + QStringList{"Playing"}); });
        b.started();
        QCOMPARE(b.slidesStart.size(), 1);
        QCOMPARE(b.stage().view(), View::Pictures);
        QVERIFY(!b.engine().placement.shown);
        QCOMPARE(b.player().PlayState(), MediaPlayState::Playing);
    }

    void nothingToPlayOpensNothing() {
        Bench b(Show::Nothing);
        b.started();
        QVERIFY(b.engine().requests.isEmpty());
        QCOMPARE(b.slidesStart.size(), 0);
    }

    // ---- media the framework cannot play ----

    // Said once with the file, and what is left plays on: the slides of music start all the same.
    void aFailedStartIsToldOnceAndLeavesTheRest_data() {
        QTest::addColumn<Show>("show");
        QTest::addColumn<Show>("left");
        QTest::newRow("movie") << Show::Movie << Show::Nothing;
        QTest::newRow("music and slides") << Show::MusicAndSlides << Show::Slides;
    }

    void aFailedStartIsToldOnceAndLeavesTheRest() {
        QFETCH(Show, show);
        QFETCH(Show, left);
        Bench b(show);
        b.engine().answers.insert("film.avi", ScriptedEngine::Answer::Refuses);
        b.started();
        QCOMPARE(b.notOpened.size(), 1);
        QCOMPARE(b.notOpened.first().first().toString(), b.film);
        QCOMPARE(b.stage().show(), left);
        QCOMPARE(b.slidesStart.size(), show == Show::MusicAndSlides ? 1 : 0);
        QCOMPARE(b.stage().view(), View::Pictures);
        // Forward and backward no longer move anything.
        b.click("Forward");
        b.click("Backward");
        QVERIFY(b.engine().requests.isEmpty());
    }

    // However often the player says so, and also from full screen: the pictures get the screen.
    void aLateFailureIsToldOnceAndGivesBackTheScreen() {
        Bench b(Show::Movie);
        b.started();
        b.t.window.videoPlacer()->enterFullScreen();
        b.engine().failNow(2);
        QCOMPARE(b.notOpened.size(), 1);
        QVERIFY(!b.engine().placement.fullScreen);
        QCOMPARE(b.engine().placement.area, VideoArea);
        QCOMPARE(b.stage().view(), View::Pictures);
        QTRY_COMPARE(b.engine().requests, QStringList{"Make="}); // the pipeline dropped
        b.click("Play");
        b.click("Forward");
        QCOMPARE(b.engine().requests, QStringList{"Make="});
    }

    // ---- Play, Pause and Stop from each state ----

    void stateTable_data() {
        using S = MediaPlayState;
        QTest::addColumn<S>("state");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<S>("after");
        QTest::addColumn<View>("front");
        const QStringList play{"Playing"};
        const QStringList stop{"Null"};
        const QStringList rewind{"Seek=0"};
        QTest::newRow("playing/Play") << S::Playing << "Play" << play << S::Playing << View::Video;
        QTest::newRow("playing/Pause")
            << S::Playing << "Pause" << QStringList{"Paused"} << S::Paused << View::Video;
        QTest::newRow("playing/Stop")
            << S::Playing << "Stop" << stop << S::Stopped << View::Pictures;
        QTest::newRow("paused/Play") << S::Paused << "Play" << play << S::Playing << View::Video;
        QTest::newRow("paused/Pause") << S::Paused << "Pause" << play << S::Playing << View::Video;
        QTest::newRow("paused/Stop") << S::Paused << "Stop" << stop << S::Stopped << View::Pictures;
        // Stopped with its last picture in front: a film at its end. Play starts it over, Stop
        // rewinds it and puts the logo back.
        QTest::newRow("stopped/Play")
            << S::Stopped << "Play" << rewind + play << S::Playing << View::Video;
        QTest::newRow("stopped/Pause")
            << S::Stopped << "Pause" << QStringList{} << S::Stopped << View::Video;
        QTest::newRow("stopped/Stop")
            << S::Stopped << "Stop" << rewind << S::Stopped << View::Pictures;
    }

    void stateTable() {
        QFETCH(MediaPlayState, state);
        QFETCH(QString, button);
        QFETCH(QStringList, requests);
        QFETCH(MediaPlayState, after);
        QFETCH(View, front);
        Bench b(Show::Movie);
        b.reach(state);
        b.click(button);
        QCOMPARE(b.engine().requests, requests);
        QCOMPARE(b.player().PlayState(), after);
        QCOMPARE(b.stage().view(), front);
        QCOMPARE(b.engine().placement.shown, front == View::Video);
    }

    // Stopped, then Play: the video comes back in its area, for music too (over the pictures),
    // and in front of the document; nothing loaded leaves the player alone.
    void playBringsTheVideoToTheFront_data() {
        QTest::addColumn<Show>("show");
        QTest::addColumn<bool>("fromDocument");
        QTest::newRow("movie") << Show::Movie << false;
        QTest::newRow("music") << Show::Music << false;
        QTest::newRow("movie, document in front") << Show::Movie << true;
    }

    void playBringsTheVideoToTheFront() {
        QFETCH(Show, show);
        QFETCH(bool, fromDocument);
        Bench b(show);
        b.started();
        b.click("Stop");
        if (fromDocument)
            b.stage().showDocument("info.html");
        b.click("Play");
        QCOMPARE(b.stage().view(), View::Video);
        QVERIFY(b.engine().placement.shown);
        QVERIFY(!b.t.document->Visible());
        QCOMPARE(b.engine().placement.area, VideoArea);
    }

    void playOrStopWithNothingLoadedLeaveThePlayerAlone() {
        Bench b(Show::Slides);
        b.started();
        b.click("Play");
        b.click("Stop");
        QVERIFY(b.engine().requests.isEmpty());
        QCOMPARE(b.stage().view(), View::Pictures);
    }

    // Music goes on beneath the document; stopping it there leaves the document in front.
    void stopBeneathTheDocumentKeepsIt() {
        Bench b(Show::Music);
        b.started();
        b.stage().showDocument("info.html");
        b.click("Stop");
        QCOMPARE(b.engine().requests, QStringList{"Null"});
        QCOMPARE(b.stage().view(), View::Document);
    }

    // ---- forward and backward ----

    void forwardAndBackwardJumpInAMovieOnly_data() {
        QTest::addColumn<Show>("show");
        QTest::addColumn<QStringList>("requests");
        QTest::newRow("movie") << Show::Movie << QStringList{"Seek=61500", "Seek=0"};
        QTest::newRow("music") << Show::MusicAndSlides << QStringList{};
    }

    void forwardAndBackwardJumpInAMovieOnly() {
        QFETCH(Show, show);
        QFETCH(QStringList, requests);
        Bench b(show);
        b.engine().durationMs = 61500;
        b.started();
        b.click("Forward");
        b.click("Backward");
        QCOMPARE(b.engine().requests, requests);
    }

    // ---- the slides ----

    void slidesRunningAfterEachButton_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("runningBefore");
        QTest::addColumn<bool>("runningAfter");
        QTest::addColumn<int>("stepsAtOnce");
        for (bool before : {false, true}) {
            const char* b = before ? "running" : "held";
            QTest::addRow("Play/%s", b) << "Play" << before << true << (before ? 0 : 1);
            QTest::addRow("Pause/%s", b) << "Pause" << before << false << 0;
            QTest::addRow("Stop/%s", b) << "Stop" << before << false << 0;
            QTest::addRow("Forward/%s", b) << "Forward" << before << false << 1;
            QTest::addRow("Backward/%s", b) << "Backward" << before << false << 0;
        }
    }

    void slidesRunningAfterEachButton() {
        QFETCH(QString, button);
        QFETCH(bool, runningBefore);
        QFETCH(bool, runningAfter);
        QFETCH(int, stepsAtOnce);
        Bench b(Show::MusicAndSlides);
        b.started();
        b.setSlidesRunning(runningBefore);
        b.nextSlide.clear();
        b.click(button);
        QCOMPARE(b.stage().slidesRunning(), runningAfter);
        QCOMPARE(b.nextSlide.size(), stepsAtOnce);
    }

    void pauseResumingMusicStillHoldsTheSlides() {
        Bench b(Show::MusicAndSlides);
        b.reach(MediaPlayState::Paused);
        b.setSlidesRunning(true);
        b.click("Pause");
        QCOMPARE(b.player().PlayState(), MediaPlayState::Playing);
        QVERIFY(!b.stage().slidesRunning());
    }

    // Slides that were never set up (no picture configured) never run, however the buttons go.
    void slidesNeverSetUpNeverRun() {
        TestWindow t;
        t.stage().setShow(Show::Slides, {});
        Playback playback(*t.player, t.stage(), [] { return true; });
        for (auto handler : {&Playback::playClicked, &Playback::pauseClicked,
                             &Playback::forwardClicked, &Playback::playClicked})
            (playback.*handler)();
        playback.pauseOrResume();
        QVERIFY(!t.stage().slidesRunning());
    }

    // ---- the pause key ----

    void pauseKeyHoldsAndResumes_data() {
        QTest::addColumn<Show>("show");
        QTest::newRow("movie") << Show::Movie;
        QTest::newRow("slides") << Show::Slides;
    }

    void pauseKeyHoldsAndResumes() {
        QFETCH(Show, show);
        Bench b(show);
        b.started();
        const bool movie = show == Show::Movie;
        b.setSlidesRunning(!movie);
        b.playback.pauseOrResume();
        QCOMPARE(b.engine().requests, movie ? QStringList{"Paused"} : QStringList{});
        QVERIFY(!b.stage().slidesRunning());
        b.playback.pauseOrResume();
        QCOMPARE(b.player().PlayState(), movie ? MediaPlayState::Playing : MediaPlayState::Stopped);
        QCOMPARE(b.stage().slidesRunning(), !movie);
    }
};

QTEST_MAIN(TestPlayback)
#include "tst_playback.moc"
