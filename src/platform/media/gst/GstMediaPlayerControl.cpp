#include "platform/media/gst/GstMediaPlayerControl.h"

#include "platform/disc/FilePaths.h"
#include "platform/log/Log.h"
#include "platform/media/gst/GstBusWatch.h"
#include "platform/media/gst/GstRuntime.h"
#include "platform/media/gst/GstVideoSink.h"
#include "platform/media/gst/VideoSurface.h"

#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScreen>
#include <QSemaphore>
#include <QTimer>
#include <QUrl>

#include <gst/gst.h>
#include <gst/video/videooverlay.h>

#include <atomic>
#include <cmath>

namespace vistrel {

namespace {

GstVideoOverlay* overlayOf(GstElement* sink) {
    return sink && GST_IS_VIDEO_OVERLAY(sink) ? GST_VIDEO_OVERLAY(sink) : nullptr;
}

// The media type a "missing decoder" message names, e.g. "video/x-xvid"; empty for others.
QByteArray missingDecoderFor(GstMessage* message) {
    const GstStructure* s = gst_message_get_structure(message);
    if (!s || !gst_structure_has_name(s, "missing-plugin") ||
        g_strcmp0(gst_structure_get_string(s, "type"), "decoder") != 0)
        return {};
    const GValue* detail = gst_structure_get_value(s, "detail");
    if (!detail || !GST_VALUE_HOLDS_CAPS(detail))
        return {};
    const GstCaps* caps = gst_value_get_caps(detail);
    if (!caps || gst_caps_get_size(caps) == 0)
        return {};
    return gst_structure_get_name(gst_caps_get_structure(caps, 0));
}

// The sink asks for its window each time it leaves NULL (again after Stop), from a streaming
// thread: the window's id is there for it, kept up to date by the GUI thread.
GstBusSyncReply giveWindow(GstBus*, GstMessage* message, gpointer handle) {
    if (!gst_is_video_overlay_prepare_window_handle_message(message))
        return GST_BUS_PASS;
    gst_video_overlay_set_window_handle(GST_VIDEO_OVERLAY(GST_MESSAGE_SRC(message)),
                                        static_cast<std::atomic<guintptr>*>(handle)->load());
    gst_message_unref(message);
    return GST_BUS_DROP;
}

void forgetWindow(gpointer handle) {
    delete static_cast<std::atomic<guintptr>*>(handle);
}

// playbin says so from a streaming thread; the message brings it to the GUI thread, and none comes
// once the bus is no longer watched.
void videoChanged(GstElement* playbin, gpointer) {
    gst_element_post_message(playbin, gst_message_new_application(
                                          GST_OBJECT(playbin), gst_structure_new_empty("video")));
}

bool isPicture(const QByteArray& mediaType) {
    return mediaType.startsWith("video/") || mediaType.startsWith("image/");
}

} // namespace

GstMediaPlayerControl::GstMediaPlayerControl(QWidget* parent)
    : MediaPlayerControl(parent), parent_(parent), stackingPlace_(parent),
      watchdog_(new QTimer(this)) {
    watchdog_->setInterval(1000);
    connect(watchdog_, &QTimer::timeout, this, &GstMediaPlayerControl::watchdogTick);
}

GstMediaPlayerControl::~GstMediaPlayerControl() {
    // The sink may draw into the video's window until the pipeline is down, and the window goes
    // with the parent: here, at the end, the teardown is waited for.
    dropPipeline(true);
    if (video_)
        video_->disconnect(this);
}

void GstMediaPlayerControl::createVideo() {
    if (video_)
        return;
    video_ = new VideoSurface(parent_);
    video_->setGeometry(pendingGeometry_);
    video_->setEnabled(enabled_);
    stackingPlace_.putInPlace(video_);
    video_->installEventFilter(this);
    connect(video_, &VideoSurface::exposed, this, &GstMediaPlayerControl::exposeVideo);
    connect(video_, &VideoSurface::closing, this, [this] {
        dropPipeline(true);
        video_ = nullptr;
    });
    updateVideoVisibility();
}

QWidget* GstMediaPlayerControl::widget() {
    createVideo();
    return video_;
}

// ---- the pipeline ----

bool GstMediaPlayerControl::createPipeline(const QString& file) {
    if (!startGstreamer())
        return false;
    GstElement* playbin = gst_element_factory_make("playbin", nullptr);
    if (!playbin) {
        qCWarning(logMedia) << "the media framework has no playbin";
        return false;
    }
    pipeline_ = GST_ELEMENT(gst_object_ref_sink(playbin));
    const QByteArray uri = QUrl::fromLocalFile(file).toEncoded();
    g_object_set(pipeline_, "uri", uri.constData(), nullptr);
    if (GstElement* sink = makeVideoSink()) {
        videoSink_ = GST_ELEMENT(gst_object_ref(sink));
        g_object_set(pipeline_, "video-sink", sink, nullptr);
    }
    g_signal_connect(pipeline_, "video-changed", G_CALLBACK(videoChanged), nullptr);
    GstBus* bus = gst_element_get_bus(pipeline_);
    // The bus owns the handle; it outlives the pipeline's teardown on the pipeline thread.
    windowHandle_ = new std::atomic<guintptr>(video_->winId());
    gst_bus_set_sync_handler(bus, giveWindow, windowHandle_, forgetWindow);
    bus_ = std::make_unique<GstBusWatch>(bus, [this](GstMessage* message) { busMessage(message); });
    gst_object_unref(bus);
    return true;
}

// Back to NULL on the pipeline thread; waited for only where the window is about to go.
void GstMediaPlayerControl::dropPipeline(bool wait) {
    bus_.reset();
    windowHandle_ = nullptr;
    watchdog_->stop();
    if (videoSink_)
        gst_object_unref(videoSink_);
    videoSink_ = nullptr;
    if (!pipeline_)
        return;
    GstElement* pipeline = pipeline_;
    pipeline_ = nullptr;
    QSemaphore* done = wait ? new QSemaphore : nullptr;
    runOnPipelineThread([pipeline, done] {
        gst_element_set_state(pipeline, GST_STATE_NULL);
        gst_object_unref(pipeline);
        if (done)
            done->release();
    });
    if (done) {
        done->acquire();
        delete done;
    }
}

void GstMediaPlayerControl::changeState(int state) {
    GstElement* pipeline = GST_ELEMENT(gst_object_ref(pipeline_));
    runOnPipelineThread([pipeline, state] {
        gst_element_set_state(pipeline, GstState(state));
        gst_object_unref(pipeline);
    });
}

void GstMediaPlayerControl::seek(qint64 ms) {
    GstElement* pipeline = GST_ELEMENT(gst_object_ref(pipeline_));
    runOnPipelineThread([pipeline, ms] {
        gst_element_seek_simple(pipeline, GST_FORMAT_TIME,
                                GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                                ms * GST_MSECOND);
        gst_object_unref(pipeline);
    });
}

// ---- opening ----

void GstMediaPlayerControl::setFileName(const QString& path) {
    createVideo();
    dropPipeline(false);
    fileName_ = path;
    error_ = NoError;
    failed_ = loaded_ = refused_ = videoUndecodable_ = hasVideo_ = stopped_ = ended_ = false;
    target_ = Target::Stopped;
    durationMs_ = 0;
    pendingSeekMs_ = -1;
    stallWatch_.reset();
    if (path.isEmpty()) {
        updateVideoVisibility();
        qCInfo(logMedia) << "open: nothing";
        return;
    }
    const QString resolved = resolvePath(path);
    error_ = checkMediaFile(resolved);
    if (error_ == NoError)
        error_ = createPipeline(QFileInfo(resolved).absoluteFilePath()) ? waitUntilOpened()
                                                                        : int(Undecodable);
    if (error_ != NoError)
        dropPipeline(false);
    updateVideoVisibility();
    qCInfo(logMedia).noquote() << "open:" << path << "error:" << error_
                               << "duration:" << Duration();
}

// The callers read the error indicator right after naming the file: the pipeline prerolls (its
// first picture already drawn) or fails meanwhile, user input held back. The wait is bounded; a
// verdict that comes later is reported through failedLate().
int GstMediaPlayerControl::waitUntilOpened() {
    changeState(GST_STATE_PAUSED);
    QEventLoop loop;
    openLoop_ = &loop;
    QTimer::singleShot(OpenTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    openLoop_ = nullptr;
    return openResult();
}

int GstMediaPlayerControl::openResult() const {
    // A video stream nothing decodes would leave sound over a black area, or nothing at all.
    if (videoUndecodable_ && !hasVideo_)
        return NoVideoDecoder;
    if (refused_)
        return Undecodable;
    return NoError; // prerolled, or no verdict within the wait: taken as opened
}

QString GstMediaPlayerControl::fileName() const {
    return isOpen() ? fileName_ : QString();
}
int GstMediaPlayerControl::errorIndicator() const {
    return error_;
}

bool GstMediaPlayerControl::isOpen() const {
    return pipeline_ && !fileName_.isEmpty() && error_ == NoError && !failed_;
}

// ---- what the pipeline says ----

void GstMediaPlayerControl::busMessage(GstMessage* message) {
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_ERROR:
        frameworkError(message);
        return;
    case GST_MESSAGE_ELEMENT:
        missingPlugin(message);
        return;
    case GST_MESSAGE_APPLICATION:
        videoDecoded();
        return;
    case GST_MESSAGE_ASYNC_DONE:
        prerolled();
        return;
    case GST_MESSAGE_EOS:
        reachedEnd();
        return;
    case GST_MESSAGE_DURATION_CHANGED: {
        gint64 duration = 0;
        if (pipeline_ && gst_element_query_duration(pipeline_, GST_FORMAT_TIME, &duration))
            durationMs_ = duration / GST_MSECOND;
        return;
    }
    default:
        return;
    }
}

// The first preroll after leaving NULL makes the media "loaded"; later ones follow seeks.
void GstMediaPlayerControl::prerolled() {
    if (loaded_ || stopped_)
        return;
    loaded_ = true;
    gint64 duration = 0;
    if (gst_element_query_duration(pipeline_, GST_FORMAT_TIME, &duration))
        durationMs_ = duration / GST_MSECOND;
    gint videoStreams = 0;
    g_object_get(pipeline_, "n-video", &videoStreams, nullptr);
    hasVideo_ = videoStreams > 0;
    if (openLoop_) {
        openLoop_->quit();
        return;
    }
    if (!isOpen())
        return;
    if (videoUndecodable_ && !hasVideo_) {
        failLate("no decoder for the video");
        return;
    }
    if (pendingSeekMs_ >= 0)
        seek(pendingSeekMs_);
    pendingSeekMs_ = -1;
    updateVideoVisibility();
}

// A decoded video stream is known before the first picture: the window is shown now, so that the
// sink draws that picture on the screen as soon as it is decoded (drawn into a hidden window, it
// would be lost until the next one). Sound alone never shows it.
void GstMediaPlayerControl::videoDecoded() {
    if (!pipeline_)
        return;
    gint videoStreams = 0;
    g_object_get(pipeline_, "n-video", &videoStreams, nullptr);
    hasVideo_ = videoStreams > 0;
    updateVideoVisibility();
}

void GstMediaPlayerControl::missingPlugin(GstMessage* message) {
    const QByteArray mediaType = missingDecoderFor(message);
    if (!isPicture(mediaType))
        return;
    qCInfo(logMedia).noquote() << "no decoder for" << mediaType;
    videoUndecodable_ = true;
}

void GstMediaPlayerControl::frameworkError(GstMessage* message) {
    GError* error = nullptr;
    gst_message_parse_error(message, &error, nullptr);
    const QString text = QString::fromUtf8(error ? error->message : "unknown error");
    g_clear_error(&error);
    qCInfo(logMedia).noquote() << "player error:" << text;
    refused_ = true;
    if (openLoop_) {
        openLoop_->quit();
        return;
    }
    failLate(text);
}

// At the end the picture stays and the pipeline pauses there; Play starts over.
void GstMediaPlayerControl::reachedEnd() {
    if (!isOpen() || stopped_)
        return;
    ended_ = true;
    target_ = Target::Stopped;
    watchdog_->stop();
    changeState(GST_STATE_PAUSED);
}

void GstMediaPlayerControl::failLate(const QString& reason) {
    // Several reports of one failure come in; while opening, the wait reads the verdict itself.
    if (openLoop_ || !isOpen())
        return;
    failed_ = true;
    error_ = Undecodable;
    target_ = Target::Stopped;
    watchdog_->stop();
    updateVideoVisibility();
    qCInfo(logMedia).noquote() << "open failed late:" << fileName_ << reason;
    // Called from the bus watch, which must outlive its own call.
    QTimer::singleShot(0, this, [this] {
        if (failed_)
            dropPipeline(false);
    });
    emit failedLate();
}

// ---- transport ----

void GstMediaPlayerControl::Play() {
    if (!isOpen()) {
        qCInfo(logMedia) << "play: nothing loaded";
        return;
    }
    qCInfo(logMedia) << "play";
    stallWatch_.reset();
    if (ended_)
        seek(0);
    ended_ = stopped_ = false;
    target_ = Target::Playing;
    // GStreamer takes PLAYING before the preroll is done and starts once it is.
    changeState(GST_STATE_PLAYING);
    watchdog_->start();
}

void GstMediaPlayerControl::Pause() {
    qCInfo(logMedia) << "pause";
    if (!isOpen() || stopped_)
        return;
    target_ = Target::Paused;
    watchdog_->stop();
    changeState(GST_STATE_PAUSED);
}

// The picture and sound halt when the pipeline thread gets there, at once unless it is busy; the
// GUI thread never waits for the teardown.
void GstMediaPlayerControl::Stop() {
    qCInfo(logMedia) << "stop";
    if (!isOpen() || stopped_ || target_ == Target::Stopped)
        return;
    target_ = Target::Stopped;
    stopped_ = true;
    ended_ = loaded_ = false;
    pendingSeekMs_ = -1;
    watchdog_->stop();
    changeState(GST_STATE_NULL);
}

MediaPlayState GstMediaPlayerControl::PlayState() const {
    if (!isOpen())
        return MediaPlayState::Stopped;
    switch (target_) {
    case Target::Paused:
        return MediaPlayState::Paused;
    case Target::Playing:
        return MediaPlayState::Playing;
    case Target::Stopped:
        break;
    }
    return MediaPlayState::Stopped;
}

void GstMediaPlayerControl::setCurrentPosition(double seconds) {
    if (!isOpen() || !std::isfinite(seconds))
        return;
    qint64 ms = std::llround(std::max(0.0, seconds) * 1000.0);
    if (durationMs_ > 0)
        ms = std::min(ms, durationMs_);
    // Stopped, the pipeline starts at the beginning anyway; a later place waits for the preroll.
    if (stopped_ || !loaded_) {
        pendingSeekMs_ = ms > 0 ? ms : -1;
        return;
    }
    ended_ = false;
    seek(ms);
}

double GstMediaPlayerControl::CurrentPosition() const {
    gint64 position = 0;
    if (!pipeline_ || stopped_ ||
        !gst_element_query_position(pipeline_, GST_FORMAT_TIME, &position))
        return 0.0;
    return double(position) / GST_SECOND;
}

double GstMediaPlayerControl::Duration() const {
    return durationMs_ / 1000.0;
}

// A stall shows as a position that stands still while the pipeline should be playing.
void GstMediaPlayerControl::watchdogTick() {
    const bool playing = isOpen() && target_ == Target::Playing && !ended_;
    const qint64 position = std::llround(CurrentPosition() * 1000.0);
    switch (stallWatch_.tick(playing, position)) {
    case StallWatch::Action::None:
        return;
    case StallWatch::Action::Restart:
        qCInfo(logMedia) << "playback stalled at" << position << "ms: restarting";
        changeState(GST_STATE_PAUSED);
        changeState(GST_STATE_PLAYING);
        return;
    case StallWatch::Action::GiveUp:
        failLate("playback stalled");
        return;
    }
}

// ---- display ----

MediaDisplaySize GstMediaPlayerControl::DisplaySize() const {
    return fullScreen_ ? MediaDisplaySize::FullScreen : MediaDisplaySize::FitToSize;
}

void GstMediaPlayerControl::setDisplaySize(MediaDisplaySize size) {
    if (size == MediaDisplaySize::FullScreen) {
        createVideo();
        if (!fullScreen_)
            enterFullScreen();
        return;
    }
    if (fullScreen_)
        leaveFullScreen();
}

// The video moves into a black window of its own that covers the screen. The video's window
// itself never becomes a top-level window: the window manager's late answers about a window that
// was full screen would move it about once it is back among its siblings.
void GstMediaPlayerControl::enterFullScreen() {
    normalGeometry_ = video_->geometry();
    fullScreen_ = true;
    if (!frame_) {
        // Black by the X server itself: no screen-sized picture for Qt to paint and send.
        frame_ = std::make_unique<VideoSurface>(nullptr);
        frame_->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        frame_->setObjectName("VideoFullScreen");
        frame_->installEventFilter(this);
    }
    if (const QScreen* screen = parent_ ? parent_->screen() : frame_->screen())
        frame_->setGeometry(screen->geometry());
    video_->setParent(frame_.get());
    video_->setGeometry(frame_->rect());
    video_->show();
    frame_->showFullScreen();
    frame_->activateWindow();
    qCInfo(logMedia) << "player full screen";
}

void GstMediaPlayerControl::leaveFullScreen() {
    fullScreen_ = false;
    video_->setParent(parent_);
    video_->setGeometry(normalGeometry_);
    normalGeometry_ = QRect();
    stackingPlace_.putInPlace(video_);
    frame_->hide();
    updateVideoVisibility();
    qCInfo(logMedia) << "player back in the window at" << video_->geometry();
}

QRect GstMediaPlayerControl::geometry() const {
    if (!video_)
        return pendingGeometry_;
    return fullScreen_ ? normalGeometry_ : video_->geometry();
}

// While the video covers the screen, placement is kept for the return to the window.
void GstMediaPlayerControl::setGeometry(const QRect& geometry) {
    const QRect g(geometry.topLeft(), geometry.size().expandedTo(QSize(0, 0)));
    if (!video_)
        pendingGeometry_ = g;
    else if (fullScreen_)
        normalGeometry_ = g;
    else
        video_->setGeometry(g);
}

void GstMediaPlayerControl::setVisible(bool visible) {
    visible_ = visible;
    updateVideoVisibility();
}

bool GstMediaPlayerControl::Visible() const {
    return visible_;
}

// Sound alone, or nothing opened, draws nothing: the picture area beneath stays in sight instead
// of a black box over it.
void GstMediaPlayerControl::updateVideoVisibility() {
    if (!video_ || fullScreen_)
        return;
    video_->setVisible(visible_ && isOpen() && hasVideo_);
}

void GstMediaPlayerControl::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (video_)
        video_->setEnabled(enabled);
}

// The sink draws only when a frame comes; a paused picture is drawn again on request. Drawing it
// waits for the sink and the X server (a screen-sized picture after full screen), so the pipeline
// thread does it.
void GstMediaPlayerControl::exposeVideo() {
    if (!overlayOf(videoSink_))
        return;
    GstElement* sink = GST_ELEMENT(gst_object_ref(videoSink_));
    runOnPipelineThread([sink] {
        gst_video_overlay_expose(GST_VIDEO_OVERLAY(sink));
        gst_object_unref(sink);
    });
}

// ---- input and the native window ----

bool GstMediaPlayerControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched != video_ && (!frame_ || watched != frame_.get()))
        return false;
    switch (event->type()) {
    case QEvent::Resize:
        if (fullScreen_ && watched == frame_.get())
            video_->setGeometry(frame_->rect());
        return false;
    case QEvent::WinIdChange:
        if (windowHandle_)
            windowHandle_->store(video_->winId());
        if (GstVideoOverlay* overlay = overlayOf(videoSink_))
            gst_video_overlay_set_window_handle(overlay, video_->winId());
        return false;
    case QEvent::Close:
        // The window manager closes the full-screen window: back into the main window instead.
        if (fullScreen_)
            leaveFullScreen();
        event->ignore();
        return true;
    case QEvent::MouseButtonDblClick:
        qCInfo(logMedia) << "player double-click";
        emit DblClick();
        return true;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && fullScreen_) {
            qCInfo(logMedia) << "player leaves full screen by itself (Esc)";
            leaveFullScreen();
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace vistrel
