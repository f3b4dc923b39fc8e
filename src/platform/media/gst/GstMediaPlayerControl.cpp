#include "platform/media/gst/GstMediaPlayerControl.h"

#include "platform/disc/FilePaths.h"
#include "platform/log/Log.h"
#include "platform/media/gst/GstVideoWindow.h"
#include "platform/media/gst/VideoSurface.h"

#include <QFileInfo>

#include <cmath>

namespace vistrel {

GstMediaPlayerControl::GstMediaPlayerControl(QWidget* parent)
    : MediaPlayerControl(parent), window_(new GstVideoWindow(parent)),
      phase_(new OpenPhase(*this, OpenTimeoutMs)),
      watchdog_(new PlaybackWatchdog(this, [this](qint64& ms) { return motion(ms); })) {
    window_->setParent(this);
    connect(phase_, &OpenPhase::decide, this, &GstMediaPlayerControl::finishOpening);
    connect(watchdog_, &PlaybackWatchdog::restartWanted, this, [this] { pipeline_.restart(); });
    connect(watchdog_, &PlaybackWatchdog::givenUp, this, [this] { failLate("playback stalled"); });
    connect(window_, &GstVideoWindow::exposed, this, &GstMediaPlayerControl::exposed);
    connect(window_, &GstVideoWindow::windowIdChanged, this,
            [this](unsigned long id) { pipeline_.setWindow(id); });
    connect(window_, &GstVideoWindow::closing, this, [this] { pipeline_.drop(true); });
    connect(window_, &GstVideoWindow::doubleClicked, this, &MediaPlayerControl::DblClick);
    connect(window_, &GstVideoWindow::fullScreenLeft, this, &MediaPlayerControl::fullScreenLeft);
}

// The sink may draw into the video's window until the pipeline is down, and the window goes with
// the parent: here, at the end, the teardown is waited for.
GstMediaPlayerControl::~GstMediaPlayerControl() {
    pipeline_.drop(true);
}

QWidget* GstMediaPlayerControl::widget() {
    return window_->surface();
}

void GstMediaPlayerControl::place(const VideoPlacement& placement) {
    window_->place(placement);
}

// ---- opening ----

void GstMediaPlayerControl::open(const QString& path) {
    const unsigned long windowId = window_->windowId();
    pipeline_.drop(false);
    watchdog_->stop();
    verdict_ = {};
    loaded_ = hasVideo_ = stopped_ = ended_ = false;
    target_ = MediaPlayState::Stopped;
    durationMs_ = 0;
    pendingSeekMs_ = -1;
    const MediaOpenError error = path.isEmpty() ? NoError : createPipeline(path, windowId);
    // The wait starts once the framework is up: its first start may scan every plugin.
    phase_->begin(path);
    showPicture();
    if (path.isEmpty())
        return;
    if (error != NoError) {
        phase_->refuseSoon(error);
        return;
    }
    pipeline_.changeState(GstPipeline::State::Paused);
}

MediaOpenError GstMediaPlayerControl::createPipeline(const QString& path, unsigned long windowId) {
    const QString resolved = resolvePath(path);
    const MediaOpenError error = checkMediaFile(resolved);
    if (error != NoError)
        return error;
    const auto onEvent = [this](const PipelineEvent& event) { pipelineEvent(event); };
    return pipeline_.create(QFileInfo(resolved).absoluteFilePath(), windowId, onEvent)
               ? NoError
               : Undecodable;
}

// The first preroll or error, or the end of the wait.
void GstMediaPlayerControl::finishOpening() {
    const MediaOpenError error = verdict_.result();
    if (error == NoError) {
        phase_->tellOpened({Duration(), hasVideo_});
    } else {
        pipeline_.drop(false);
        phase_->tellFailed(error, Duration());
    }
    showPicture();
}

QString GstMediaPlayerControl::fileName() const {
    return isOpen() ? phase_->file() : QString();
}

// ---- what the pipeline says ----

void GstMediaPlayerControl::pipelineEvent(const PipelineEvent& event) {
    using Kind = PipelineEvent::Kind;
    switch (event.kind) {
    case Kind::Prerolled:
        prerolled();
        return;
    case Kind::VideoChanged:
        // Known before the first picture: shown now, the window gets that picture.
        hasVideo_ = pipeline_.videoStreams() > 0;
        if (hasVideo_)
            verdict_.videoDecoded();
        showPicture();
        return;
    case Kind::MissingVideoDecoder:
        qCInfo(logMedia).noquote() << "no decoder for" << event.text;
        verdict_.missingVideoDecoder();
        return;
    case Kind::Error:
        qCInfo(logMedia).noquote() << "player error:" << event.text;
        if (!phase_->opening()) {
            failLate(event.text);
            return;
        }
        verdict_.refused();
        phase_->decideSoon();
        return;
    case Kind::Ended:
        reachedEnd();
        return;
    case Kind::DurationChanged:
        pipeline_.duration(durationMs_);
        return;
    }
}

// The first preroll after leaving NULL makes the media "loaded"; later ones follow seeks.
void GstMediaPlayerControl::prerolled() {
    if (loaded_ || stopped_)
        return;
    loaded_ = true;
    pipeline_.duration(durationMs_);
    hasVideo_ = pipeline_.videoStreams() > 0;
    verdict_.prerolled(hasVideo_);
    if (phase_->opening()) {
        phase_->decideSoon();
        return;
    }
    if (!isOpen())
        return;
    if (verdict_.failsLater()) {
        failLate("no decoder for the video");
        return;
    }
    if (pendingSeekMs_ >= 0)
        pipeline_.seek(pendingSeekMs_);
    pendingSeekMs_ = -1;
    showPicture();
}

// At the end the picture stays and the pipeline pauses there; Play starts over.
void GstMediaPlayerControl::reachedEnd() {
    if (!isOpen() || stopped_)
        return;
    qCInfo(logMedia) << "at the end";
    ended_ = true;
    target_ = MediaPlayState::Stopped;
    watchdog_->stop();
    pipeline_.changeState(GstPipeline::State::Paused);
}

void GstMediaPlayerControl::failLate(const QString& reason) {
    // Several reports of one failure come in; the first one counts.
    if (!isOpen())
        return;
    target_ = MediaPlayState::Stopped;
    watchdog_->stop();
    phase_->failLate(reason);
    showPicture();
    // Called from the bus watch, which must outlive its own call.
    phase_->later([this] { pipeline_.drop(false); });
}

// A sink that does not scale (no XVideo) keeps a paused or ended picture at the size it was
// decoded for until the next frame: once the video's window has another size (full screen and
// back), that picture is decoded again for it.
void GstMediaPlayerControl::exposed() {
    pipeline_.expose();
    const QSize size = window_->surface()->size();
    if (size == exposedSize_)
        return;
    exposedSize_ = size;
    if (isOpen() && loaded_ && hasVideo_ && target_ != MediaPlayState::Playing) {
        qCInfo(logMedia) << "still picture drawn again at" << size;
        pipeline_.decodeStillAgain();
    }
}

void GstMediaPlayerControl::showPicture() {
    window_->setHasPicture(phase_->mayShowPicture() && hasVideo_);
}

// ---- transport ----

void GstMediaPlayerControl::Play() {
    if (!isOpen()) {
        qCInfo(logMedia) << "play: nothing loaded";
        return;
    }
    qCInfo(logMedia) << "play";
    if (ended_)
        pipeline_.seek(0);
    ended_ = stopped_ = false;
    target_ = MediaPlayState::Playing;
    // GStreamer takes PLAYING before the preroll is done and starts once it is.
    pipeline_.changeState(GstPipeline::State::Playing);
    watchdog_->start();
}

void GstMediaPlayerControl::Pause() {
    qCInfo(logMedia) << "pause";
    if (!isOpen() || stopped_)
        return;
    target_ = MediaPlayState::Paused;
    watchdog_->stop();
    pipeline_.changeState(GstPipeline::State::Paused);
}

// The picture and sound halt when the pipeline thread gets there, at once unless it is busy; the
// GUI thread never waits for the teardown.
void GstMediaPlayerControl::Stop() {
    qCInfo(logMedia) << "stop";
    if (!isOpen() || stopped_ || target_ == MediaPlayState::Stopped)
        return;
    target_ = MediaPlayState::Stopped;
    stopped_ = true;
    ended_ = loaded_ = false;
    pendingSeekMs_ = -1;
    watchdog_->stop();
    pipeline_.changeState(GstPipeline::State::Null);
}

MediaPlayState GstMediaPlayerControl::PlayState() const {
    return isOpen() ? target_ : MediaPlayState::Stopped;
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
    pipeline_.seek(ms);
}

// Until the pipeline has prerolled again after Stop (which clears loaded_) it is at the start,
// whatever it still says: a Play right after Stop can reach the pipeline thread before the trip
// through NULL does.
double GstMediaPlayerControl::CurrentPosition() const {
    qint64 ms = 0;
    if (!loaded_ || !pipeline_.position(ms))
        return 0.0;
    return ms / 1000.0;
}

double GstMediaPlayerControl::Duration() const {
    return durationMs_ / 1000.0;
}

// A pipeline that is prerolling (again, after Stop: from NULL) is starting, however long that
// takes on a busy machine: restarting it then would only start the preroll over.
StallWatch::Motion GstMediaPlayerControl::motion(qint64& positionMs) const {
    positionMs = std::llround(CurrentPosition() * 1000.0);
    if (!isOpen() || target_ != MediaPlayState::Playing || ended_)
        return StallWatch::Motion::Still;
    return loaded_ ? StallWatch::Motion::Playing : StallWatch::Motion::Starting;
}

} // namespace vistrel
