#pragma once

#include "platform/media/MediaPlayerControl.h"
#include "platform/media/OpenPhase.h"
#include "platform/media/PlaybackWatchdog.h"
#include "platform/media/gst/GstPipeline.h"
#include "platform/media/gst/OpenVerdict.h"
#include "platform/media/gst/PlayerLife.h"

namespace vistrel {

class DrawnFrames;
class GstVideoWindow;

// The player control straight on GStreamer: one pipeline per file (GstPipeline), its video in a
// window of its own (GstVideoWindow), its life one state (PlayerLife). Opening ends with the
// first preroll or error, or after OpenTimeoutMs taken as opened (OpenVerdict); a watchdog
// restarts a silent stall (StallWatch). GStreamer itself is started on the first file.
class GstMediaPlayerControl : public MediaPlayerControl {
    Q_OBJECT
  public:
    explicit GstMediaPlayerControl(QWidget* parent);
    ~GstMediaPlayerControl() override;

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

    static constexpr int OpenTimeoutMs = 5000;

  private:
    void pipelineMade(bool made);
    void finishOpening();
    void pipelineEvent(const PipelineEvent& event);
    void prerolled();
    void reachedEnd();
    void failLate(const QString& reason);
    // Asks the pipeline what a step of its life wants.
    void follow(const PlayerLife::Step& step);
    StallWatch::Motion motion(qint64& positionMs) const;
    void showPicture();
    void exposed();

    // The pictures the window draws itself; null where a sink draws into it.
    std::shared_ptr<DrawnFrames> frames_;
    GstVideoWindow* window_;
    GstPipeline pipeline_;
    OpenPhase* phase_;
    PlaybackWatchdog* watchdog_;
    OpenVerdict verdict_;
    PlayerLife life_;
    qint64 durationMs_ = 0;
    // The video window's size when it was last drawn into.
    QSize exposedSize_;
};

} // namespace vistrel
