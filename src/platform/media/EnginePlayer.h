#pragma once

#include "platform/media/MediaEngine.h"
#include "platform/media/MediaPlayerControl.h"
#include "platform/media/PlayerLife.h"

#include <functional>
#include <memory>

class QTimer;

namespace vistrel {

class PlaybackWatchdog;

// The player control over any media engine: its life is one state (PlayerLife), the verdict on
// opening comes from the event loop once the engine has prerolled or refused the file, or when
// the wait runs out (taken as opened), and a watchdog restarts a silent stall. A failure is told
// once, however many reports of it come, and leaves nothing loaded.
class VISTREL_PROGRAM_API EnginePlayer : public MediaPlayerControl {
    Q_OBJECT
  public:
    // The engine becomes the player's child.
    EnginePlayer(QWidget* parent, MediaEngine* engine, int waitMs = OpenWaitMs);

    QWidget* widget() override;
    void open(const QString& path) override;
    QString fileName() const override;
    void Play() override;
    void Pause() override;
    void Stop() override;
    MediaPlayState PlayState() const override;
    void setCurrentPosition(double seconds) override;
    double CurrentPosition() const override;
    double Duration() const override;
    void place(const VideoPlacement& placement) override;

    // How long opening waits for the engine's word before the file is taken as opened; counted
    // from the pipeline's making, as the framework's first start may scan every plugin.
    static constexpr int OpenWaitMs = 5000;

  private:
    // A position this far past the film's length is the end, whether the engine said so or not:
    // a framework under load has been seen to count on and never tell the end.
    static constexpr qint64 PastTheEndMs = 1000;

    void engineEvent(const EngineEvent& event);
    void prerolled();
    void decideSoon();
    void decide();
    void tellFailed(MediaOpenError error);
    void refuseSoon(MediaOpenError error);
    void failLate(MediaOpenError error, const QString& why);
    void reachedEnd();
    void learnDuration();
    void follow(const PlayerLife::Step& step);
    StallWatch::Motion motion(qint64& positionMs);
    void redrawIfStill();
    void showPicture();
    // Runs the action from the event loop, if the same file is still current then.
    void later(std::function<void()> action);

    MediaEngine* engine_;
    QTimer* wait_;
    PlaybackWatchdog* watchdog_;
    PlayerLife life_;
    QString file_;
    qint64 durationMs_ = 0;
    // Counts files, so that nothing pending for one given up on runs.
    unsigned generation_ = 0;
};

} // namespace vistrel
