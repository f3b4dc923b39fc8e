// How long opening the first file and a press of Play, Stop or full screen hold the GUI thread, on
// the real player controls (GStreamer's and Qt Multimedia's, side by side) with the sample movie
// in a 699 x 432 window. A press is what the window's handler does with the control; it holds the
// thread for as long as the call takes or, after it, the longest gap between ticks of a 1 ms
// timer within 250 ms (for the opening: until the player's verdict, and 250 ms after it). The
// opening is the framework's first in the process; GST_REGISTRY_1_0 naming a file that does not
// exist yet makes it the first start of a viewer without a plugin registry.
// Needs an X display. Usage: bench_playerstall [movie] [presses]
#include "platform/media/EnginePlayer.h"
#include "platform/media/gst/GstEngine.h"
#include "platform/media/qt/QtEngine.h"
#include "window/VideoPlacer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>

using namespace vistrel;

namespace {

const QRect VideoArea(13, 24, 517, 378);

// The longest time between two ticks of the event loop since the last reset.
class Heartbeat {
  public:
    Heartbeat() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            longest_ = std::max(longest_, clock_.nsecsElapsed() - last_);
            last_ = clock_.nsecsElapsed();
        });
        clock_.start();
        timer_.start();
    }
    void reset() {
        last_ = clock_.nsecsElapsed();
        longest_ = 0;
    }
    double longestMs() const { return longest_ / 1e6; }

  private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};

void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The longest hold of each kind of press over the given number of rounds.
std::map<QString, double> measure(MediaPlayerControl& player, const QString& movie, int presses) {
    VideoPlacer video(player, VideoArea);
    Heartbeat heartbeat;
    std::map<QString, double> longest;
    auto press = [&](
                     const QString& kind, const std::function<void()>& action,
                     const std::function<void()>& after = [] {}) {
        heartbeat.reset();
        QElapsedTimer call;
        call.start();
        action();
        const double held = call.nsecsElapsed() / 1e6;
        after();
        wait(250);
        longest[kind] = std::max({longest[kind], held, heartbeat.longestMs()});
        if (qEnvironmentVariableIsSet("BENCH_EACH"))
            std::printf("%s %.1f %.1f\n", qPrintable(kind), held, heartbeat.longestMs());
    };
    // Opening: the call, then the event loop until the verdict.
    QSignalSpy opened(&player, &MediaPlayerControl::opened);
    QSignalSpy failed(&player, &MediaPlayerControl::failed);
    press(
        "open", [&] { player.open(movie); },
        [&] {
            if (!QTest::qWaitFor([&] { return !opened.isEmpty() || !failed.isEmpty(); }, 60000))
                std::fprintf(stderr, "no verdict on %s\n", qPrintable(movie));
        });
    for (int i = 0; i < presses; ++i) {
        press("Play", [&] {
            video.show();
            player.Play();
        });
        press("full screen", [&] { video.enterFullScreen(); });
        press("back in the window", [&] { video.leaveFullScreen(); });
        press("Stop", [&] {
            player.Stop();
            player.setCurrentPosition(0);
            video.hide();
        });
    }
    return longest;
}

std::map<QString, double> run(bool gstreamer, const QString& movie, int presses) {
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.resize(699, 432);
    std::unique_ptr<MediaPlayerControl> player;
    if (gstreamer)
        player = std::make_unique<EnginePlayer>(&window, new GstEngine(&window));
    else
        player = std::make_unique<EnginePlayer>(&window, new QtEngine(&window));
    window.show();
    wait(300);
    auto result = measure(*player, movie, presses);
    player.reset();
    return result;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString movie = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                   : qEnvironmentVariable("VISTREL_DISC_DIR") + "/movie.avi";
    const int presses = argc > 2 ? std::max(1, atoi(argv[2])) : 50;
    const auto gst = run(true, movie, presses);
    const auto qt = run(false, movie, presses);
    std::printf("longest GUI-thread hold over %d presses (ms): GStreamer control, Qt Multimedia "
                "control\n",
                presses);
    for (const auto& [kind, held] : gst)
        std::printf("  %-20s %8.1f %8.1f\n", qPrintable(kind), held, qt.at(kind));
    return 0;
}
