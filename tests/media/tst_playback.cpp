#include "doubles/TestDisc.h"
#include "platform/media/MediaPlayerControl.h"
#include "window/WindowAreas.h"

#include <QTimer>
#include <QtTest>

using namespace vistrel;
using namespace vistrel::test;

// The start of playback and the five playback buttons, against a recording player.
class TestPlayback : public QObject {
    Q_OBJECT

    enum class Media { Movie, Music, Nothing, Slides, Pictures };

    TestDisc disc;
    TestApp tc;
    std::unique_ptr<Application> core;

    MainDialog& w() { return core->dialog(); }
    FakeMediaPlayerControl& player() { return *tc.player; }
    // The slide on show: a.png red, b.png green, c.png blue.
    QColor shownColour() {
        const QImage shown = w().picShowPictures()->picture().toImage();
        return shown.isNull() ? QColor() : QColor(shown.pixel(shown.rect().center()));
    }

    // A disc with the given media; the core started on it, TimerMovie not yet fired.
    void start(Media media) {
        QByteArray ini = "[Main]\nVersion=1.0\nDefaultLanguage=english\nSkin=plain\n";
        if (media == Media::Movie)
            ini += "Movie=film.avi\n";
        if (media == Media::Music || media == Media::Slides)
            ini += "Music=song.mp3\n";
        if (media == Media::Slides || media == Media::Nothing || media == Media::Pictures)
            ini += "SlideShow=1\n";
        if (media == Media::Pictures)
            ini += "[SlideShow]\nInterval=60000\n0=a.png\n1=b.png\n2=c.png\n";
        disc.writeIni(ini);
        core = tc.make();
        QVERIFY(core->Main(disc.path()));
        player().calls.clear(); // the placement at window creation
    }

    // As start(), then the one TimerMovie tick, and the recorded calls cleared.
    void started(Media media) {
        start(media);
        QTRY_VERIFY(!w().TimerMovie()->isActive());
        player().calls.clear();
    }

    void setSlideTimer(bool running, int interval = 1000) {
        w().TimerSlideShow()->setInterval(interval);
        if (running)
            w().TimerSlideShow()->start();
        else
            w().TimerSlideShow()->stop();
    }

  private slots:
    void initTestCase() {
        disc.addLanguage("english");
        disc.addSkin("plain");
        disc.writeFile("film.avi", "not really a movie");
        disc.writeFile("song.mp3", "not really music");
        disc.addPicture("a.png", {40, 30}, Qt::red);
        disc.addPicture("b.png", {40, 30}, Qt::green);
        disc.addPicture("c.png", {40, 30}, Qt::blue);
    }

    void cleanup() {
        core.reset();
        tc.messages.shown.clear();
    }

    // ---- TimerMovie ----

    void timerMovieStartsTheMovieOnce() {
        start(Media::Movie);
        QVERIFY(w().TimerMovie()->isActive());
        QVERIFY(player().calls.isEmpty());
        QTRY_VERIFY(!w().TimerMovie()->isActive());
        const QString path = core->state().media.MediaPath;
        QCOMPARE(player().calls, QStringList({"Open=" + path, "Play"}));
        QVERIFY(w().picShowPictures()->isHidden());
        QTest::qWait(20);
        QCOMPARE(player().calls.size(), 2); // never fires again
    }

    // The movie is opened only once the window's first frame is on screen, here held back a
    // little by showing the window late.
    void timerMovieWaitsForTheFirstFrame() {
        start(Media::Movie);
        w().hide();
        QTimer::singleShot(20, &w(), [this] { w().show(); });
        bool paintedWhenOpened = false;
        connect(w().TimerMovie(), &QTimer::timeout, this, [&] {
            if (player().calls.size() == 2)
                paintedWhenOpened = w().hasPaintedFirstFrame();
        });
        QTRY_VERIFY(!w().TimerMovie()->isActive());
        QCOMPARE(player().calls, QStringList({"Open=" + core->state().media.MediaPath, "Play"}));
        QVERIFY(paintedWhenOpened);
    }

    // A window that is never painted (covered from the start) still gets its movie; with no
    // media to open nothing waits, and the slideshow starts on the first tick.
    void timerMovieStartsAnUnpaintedWindowsPlayback_data() {
        QTest::addColumn<Media>("media");
        QTest::addColumn<bool>("waits");
        QTest::newRow("movie") << Media::Movie << true;
        QTest::newRow("pictures only") << Media::Pictures << false;
    }

    void timerMovieStartsAnUnpaintedWindowsPlayback() {
        QFETCH(Media, media);
        QFETCH(bool, waits);
        start(media);
        w().hide();
        int ticks = 0;
        connect(w().TimerMovie(), &QTimer::timeout, this, [&ticks] { ++ticks; });
        QTRY_VERIFY(!w().TimerMovie()->isActive());
        QVERIFY(!w().hasPaintedFirstFrame());
        QCOMPARE(ticks > 1, waits);
        if (media == Media::Movie)
            QCOMPARE(player().calls,
                     QStringList({"Open=" + core->state().media.MediaPath, "Play"}));
        else
            QVERIFY(w().TimerSlideShow()->isActive() && w().picShowPictures()->hasPicture());
    }

    void timerMovieStartsMusicUnseenBehindThePictures() {
        started(Media::Music);
        QVERIFY(!player().placement.shown);
        QVERIFY(!w().picShowPictures()->isHidden());
        QCOMPARE(player().playState, MediaPlayState::Playing);
    }

    // The framework cannot open the movie: the viewer is told once, not left with a silent logo.
    void failedOpenClearsTheModesAndSaysSo() {
        tc.frameworkDecodes = false;
        disc.writeFile("film.avi", "x");
        start(Media::Movie);
        player().failOpen = true;
        QTRY_VERIFY(!w().TimerMovie()->isActive());
        QCOMPARE(player().calls, QStringList({"Open=" + core->state().media.MediaPath}));
        QVERIFY(!w().picShowPictures()->isHidden());
        QCOMPARE(tc.messages.texts(),
                 QStringList{"english errFileNotFound " + core->state().media.MediaPath});
        // Forward and backward no longer move anything.
        emit w().button(ButtonId::btnForward)->clicked();
        emit w().button(ButtonId::btnBackward)->clicked();
        QVERIFY(player().calls.size() == 1);
        // Full screen is the pictures' now.
        emit w().button(ButtonId::btnMaximize)->clicked();
        QTRY_VERIFY(w().isFullScreen());
        QVERIFY(!player().placement.fullScreen);
    }

    void nothingConfiguredOpensNothing() {
        started(Media::Nothing);
        QVERIFY(player().calls.isEmpty());
    }

    void lateFailureActsAsAFailedStart() {
        started(Media::Movie);
        QVERIFY(w().picShowPictures()->isHidden());
        player().calls.clear();
        player().failLater();
        player().failLater();
        QVERIFY(!w().picShowPictures()->isHidden());
        QCOMPARE(tc.messages.shown.size(), 1);
        emit w().button(ButtonId::btnForward)->clicked();
        emit w().button(ButtonId::btnPlay)->clicked();
        QVERIFY(player().calls.isEmpty());
    }

    void lateFailureInFullScreenGivesBackTheScreen() {
        started(Media::Movie);
        emit player().DblClick();
        QVERIFY(core->displayModes().IsFullScreen());
        player().failLater();
        QVERIFY(!player().placement.fullScreen);
        QCOMPARE(player().placement.area, VideoArea);
        QVERIFY(!core->displayModes().IsFullScreen());
    }

    // ---- the state table: Play, Pause, Stop from each state ----

    void stateTable_data() {
        using S = MediaPlayState;
        QTest::addColumn<S>("state");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<S>("after");
        QTest::addColumn<bool>("picturesShown");
        const QStringList play{"Play"};
        const QStringList stop{"Stop", "CurrentPosition=0"};
        const QStringList none;
        QTest::newRow("playing/Play") << S::Playing << "btnPlay" << play << S::Playing << true;
        QTest::newRow("playing/Pause")
            << S::Playing << "btnPause" << QStringList{"Pause"} << S::Paused << false;
        QTest::newRow("playing/Stop") << S::Playing << "btnStop" << stop << S::Stopped << true;
        QTest::newRow("paused/Play") << S::Paused << "btnPlay" << play << S::Playing << true;
        QTest::newRow("paused/Pause")
            << S::Paused << "btnPause" << QStringList{"Play"} << S::Playing << false;
        QTest::newRow("paused/Stop") << S::Paused << "btnStop" << stop << S::Stopped << true;
        QTest::newRow("stopped/Play") << S::Stopped << "btnPlay" << play << S::Playing << true;
        QTest::newRow("stopped/Pause") << S::Stopped << "btnPause" << none << S::Stopped << false;
        QTest::newRow("stopped/Stop") << S::Stopped << "btnStop" << none << S::Stopped << false;
    }

    void stateTable() {
        QFETCH(MediaPlayState, state);
        QFETCH(QString, button);
        QFETCH(QStringList, calls);
        QFETCH(MediaPlayState, after);
        QFETCH(bool, picturesShown);
        started(Media::Movie);
        player().playState = state;
        emit w().findChild<ImageArea*>(button)->clicked();
        QCOMPARE(player().calls, calls);
        QCOMPARE(player().playState, after);
        QCOMPARE(!w().picShowPictures()->isHidden(), picturesShown);
        // The video shows while it plays, and goes when stopped.
        if (!calls.isEmpty())
            QCOMPARE(player().placement.shown, button != "btnStop");
    }

    void playWithoutAFileLeavesThePlayerAlone() {
        started(Media::Nothing);
        emit w().button(ButtonId::btnPlay)->clicked();
        QVERIFY(player().calls.isEmpty());
        QVERIFY(!player().placement.shown);
    }

    void playAfterStopShowsTheVideoInItsArea() {
        started(Media::Movie);
        emit w().button(ButtonId::btnStop)->clicked();
        QVERIFY(!player().placement.shown);
        emit w().button(ButtonId::btnPlay)->clicked();
        QCOMPARE(player().placement.area, VideoArea);
        QVERIFY(player().placement.shown);
    }

    void musicPlayAfterStopShowsThePlayerOverThePictures() {
        started(Media::Music);
        emit w().button(ButtonId::btnStop)->clicked();
        emit w().button(ButtonId::btnPlay)->clicked();
        QVERIFY(player().placement.shown);
        QCOMPARE(player().placement.area, VideoArea);
    }

    // Stop reads the state twice and stops when the first read is "paused" or the second is
    // "playing"; a state that changes between the reads is judged by that rule.
    void stopReadsTheStateTwice_data() {
        using S = MediaPlayState;
        QTest::addColumn<S>("first");
        QTest::addColumn<S>("second");
        QTest::addColumn<bool>("stops");
        QTest::newRow("paused, then anything") << S::Paused << S::Stopped << true;
        QTest::newRow("stopped, then playing") << S::Stopped << S::Playing << true;
        QTest::newRow("playing, playing") << S::Playing << S::Playing << true;
        QTest::newRow("playing, then paused") << S::Playing << S::Paused << false;
        QTest::newRow("stopped, stopped") << S::Stopped << S::Stopped << false;
    }

    void stopReadsTheStateTwice() {
        QFETCH(MediaPlayState, first);
        QFETCH(MediaPlayState, second);
        QFETCH(bool, stops);
        started(Media::Movie);
        player().scriptedPlayStates = {first, second};
        player().playStateReads = 0;
        emit w().button(ButtonId::btnStop)->clicked();
        QCOMPARE(player().playStateReads, 2);
        QCOMPARE(player().calls.contains("Stop"), stops);
    }

    void pauseReadsAgainOnlyWhenNotPaused() {
        started(Media::Movie);
        player().scriptedPlayStates = {MediaPlayState::Paused};
        player().playStateReads = 0;
        emit w().button(ButtonId::btnPause)->clicked();
        QCOMPARE(player().playStateReads, 1);
        QCOMPARE(player().calls, QStringList{"Play"});
    }

    // ---- forward and backward ----

    void forwardAndBackwardJumpInAMovie() {
        started(Media::Movie);
        player().duration = 61.5;
        emit w().button(ButtonId::btnForward)->clicked();
        QCOMPARE(player().calls, QStringList{"CurrentPosition=61.5"});
        QCOMPARE(player().position, 61.5);
        emit w().button(ButtonId::btnBackward)->clicked();
        QCOMPARE(player().position, 0.0);
    }

    void forwardAndBackwardNeverMoveMusic() {
        started(Media::Slides);
        emit w().button(ButtonId::btnForward)->clicked();
        emit w().button(ButtonId::btnBackward)->clicked();
        QVERIFY(player().calls.isEmpty());
    }

    // ---- the slideshow timer ----

    void slideTimerSwitching_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("runningBefore");
        QTest::addColumn<bool>("runningAfter");
        for (bool before : {false, true}) {
            const char* b = before ? "running" : "stopped";
            QTest::addRow("Play/%s", b) << "btnPlay" << before << true;
            QTest::addRow("Pause/%s", b) << "btnPause" << before << false;
            QTest::addRow("Stop/%s", b) << "btnStop" << before << false;
            QTest::addRow("Forward/%s", b) << "btnForward" << before << false;
            QTest::addRow("Backward/%s", b) << "btnBackward" << before << false;
        }
    }

    void slideTimerSwitching() {
        QFETCH(QString, button);
        QFETCH(bool, runningBefore);
        QFETCH(bool, runningAfter);
        started(Media::Slides);
        setSlideTimer(runningBefore);
        emit w().findChild<ImageArea*>(button)->clicked();
        QCOMPARE(w().TimerSlideShow()->isActive(), runningAfter);
    }

    void pauseResumingMusicStillStopsTheSlides() {
        started(Media::Slides);
        player().playState = MediaPlayState::Paused;
        setSlideTimer(true);
        emit w().button(ButtonId::btnPause)->clicked();
        QCOMPARE(player().playState, MediaPlayState::Playing);
        QVERIFY(!w().TimerSlideShow()->isActive());
    }

    void aMovieLeavesTheSlideTimerAlone() {
        started(Media::Movie);
        for (const char* button : {"btnPause", "btnStop", "btnForward", "btnBackward"}) {
            setSlideTimer(true);
            emit w().findChild<ImageArea*>(button)->clicked();
            QVERIFY2(w().TimerSlideShow()->isActive(), button);
        }
        setSlideTimer(false);
        emit w().button(ButtonId::btnPlay)->clicked();
        QVERIFY(!w().TimerSlideShow()->isActive());
    }

    // ---- with the slideshow's pictures ----

    void timerMovieStartsTheSlideshow() {
        started(Media::Pictures);
        QCOMPARE(core->slideshow().slotCount(), 3);
        QCOMPARE(shownColour(), QColor(Qt::red));
        QVERIFY(w().TimerSlideShow()->isActive());
    }

    void playStepsAtOnceOnlyWhenTheSlidesStood() {
        started(Media::Pictures);
        emit w().button(ButtonId::btnPlay)->clicked(); // running: no step
        QCOMPARE(shownColour(), QColor(Qt::red));
        emit w().button(ButtonId::btnPause)->clicked();
        QCOMPARE(shownColour(), QColor(Qt::red));
        emit w().button(ButtonId::btnPlay)->clicked(); // stood: one step at once, then running
        QCOMPARE(shownColour(), QColor(Qt::green));
        QVERIFY(w().TimerSlideShow()->isActive());
    }

    void forwardAndBackwardStepThePicturesAndWrap() {
        started(Media::Pictures);
        emit w().button(ButtonId::btnBackward)->clicked();
        QCOMPARE(shownColour(), QColor(Qt::blue));
        emit w().button(ButtonId::btnForward)->clicked();
        emit w().button(ButtonId::btnForward)->clicked();
        QCOMPARE(shownColour(), QColor(Qt::green));
        QVERIFY(!w().TimerSlideShow()->isActive());
    }

    void noPictureConfiguredNeverFails() {
        started(Media::Slides);
        QCOMPARE(core->slideshow().slotCount(), 0);
        for (const char* button : {"btnPlay", "btnPause", "btnForward", "btnBackward", "btnPlay"})
            emit w().findChild<ImageArea*>(button)->clicked();
        QVERIFY(!w().TimerSlideShow()->isActive());
        QCOMPARE(core->slideshow().slotCount(), 0);
    }

    void anIntervalOfZeroIsNeverABusyTimer() {
        started(Media::Slides);
        setSlideTimer(false, 0);
        emit w().button(ButtonId::btnPlay)->clicked();
        QVERIFY(!w().TimerSlideShow()->isActive());
    }
};

QTEST_MAIN(TestPlayback)
#include "tst_playback.moc"
