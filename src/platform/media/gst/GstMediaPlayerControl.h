#pragma once

#include "platform/media/MediaOpenError.h"
#include "platform/media/MediaPlayerControl.h"
#include "platform/common/StackingPlace.h"
#include "platform/media/StallWatch.h"

#include <QRect>

#include <atomic>
#include <memory>

class QEventLoop;
class QTimer;
typedef struct _GstElement GstElement;
typedef struct _GstMessage GstMessage;

namespace vistrel {

class GstBusWatch;
class VideoSurface;

// The player control straight on GStreamer: one playbin per file, its video drawn by the sink
// into the native window of a plain widget, its bus read from the Qt event loop.
//
// Every state change and seek runs on a pipeline thread, in order: they can wait for streaming
// threads, and Stop (the pipeline back to NULL) would hold the window for as long. The GUI thread
// only names the state it wants and reads positions, which never wait. Opening waits (bounded,
// user input held back) for the pipeline to preroll or fail, because the callers read the error
// indicator right after naming the file. GStreamer itself is started on the first file.
class GstMediaPlayerControl : public MediaPlayerControl {
    Q_OBJECT
  public:
    explicit GstMediaPlayerControl(QWidget* parent);
    ~GstMediaPlayerControl() override;

    QWidget* widget() override;
    void setFileName(const QString& path) override;
    QString fileName() const override;
    int errorIndicator() const override;
    void Play() override;
    void Pause() override;
    void Stop() override;
    MediaPlayState PlayState() const override;
    void setCurrentPosition(double seconds) override;
    double CurrentPosition() const override;
    double Duration() const override;
    MediaDisplaySize DisplaySize() const override;
    void setDisplaySize(MediaDisplaySize size) override;
    void setGeometry(const QRect& geometry) override;
    QRect geometry() const override;
    void setVisible(bool visible) override;
    bool Visible() const override;
    void setEnabled(bool enabled) override;

    // Error indicator values; 0 means the file was opened.
    using enum MediaOpenError;

    static constexpr int OpenTimeoutMs = 5000;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Target { Stopped, Paused, Playing };

    void createVideo();
    bool createPipeline(const QString& file);
    void dropPipeline(bool wait);
    void changeState(int state);
    void seek(qint64 ms);
    int waitUntilOpened();
    int openResult() const;
    bool isOpen() const;
    void busMessage(GstMessage* message);
    void prerolled();
    void videoDecoded();
    void missingPlugin(GstMessage* message);
    void frameworkError(GstMessage* message);
    void reachedEnd();
    void failLate(const QString& reason);
    void watchdogTick();
    void enterFullScreen();
    void leaveFullScreen();
    void showVideoIn(QWidget* window);
    void updateVideoVisibility();
    void exposeVideo();

    QWidget* parent_;
    StackingPlace stackingPlace_;
    VideoSurface* video_ = nullptr;
    // The window that covers the screen, with the video inside, while in full screen.
    std::unique_ptr<QWidget> frame_;
    GstElement* pipeline_ = nullptr;
    GstElement* videoSink_ = nullptr;
    std::unique_ptr<GstBusWatch> bus_;
    // The video window's id as the sink reads it; owned by the pipeline's bus.
    std::atomic<unsigned long>* windowHandle_ = nullptr;
    QEventLoop* openLoop_ = nullptr;
    QTimer* watchdog_;
    QString fileName_;
    int error_ = NoError;
    bool failed_ = false;
    // Since the pipeline last left NULL: it has prerolled, it reported an error, it lacks the
    // decoder of a video stream it has.
    bool loaded_ = false;
    bool refused_ = false;
    bool videoUndecodable_ = false;
    bool hasVideo_ = false;
    // The pipeline is (going) back to NULL; positions read as the start.
    bool stopped_ = false;
    bool ended_ = false;
    Target target_ = Target::Stopped;
    qint64 durationMs_ = 0;
    // A place asked for while stopped, taken up once the pipeline has prerolled again.
    qint64 pendingSeekMs_ = -1;
    StallWatch stallWatch_;
    bool visible_ = true;
    bool enabled_ = true;
    bool fullScreen_ = false;
    QRect pendingGeometry_{0, 0, 100, 30};
    QRect normalGeometry_;
};

} // namespace vistrel
