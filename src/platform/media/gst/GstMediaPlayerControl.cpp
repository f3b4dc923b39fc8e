#include "platform/media/gst/GstMediaPlayerControl.h"

#include "platform/disc/FilePaths.h"
#include "platform/log/Log.h"
#include "platform/media/gst/DrawnFrames.h"
#include "platform/media/gst/GstVideoWindow.h"
#include "platform/media/gst/VideoSurface.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <cmath>

namespace vistrel {

namespace {

// A sink draws into a native window on X11 only; elsewhere (a Wayland session, no display at all)
// the window draws the decoded pictures itself.
std::shared_ptr<DrawnFrames> framesDrawnByTheWindow() {
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return nullptr;
    qCInfo(logMedia).noquote() << "the video is drawn by the window on"
                               << QGuiApplication::platformName();
    return DrawnFrames::make();
}

} // namespace

GstMediaPlayerControl::GstMediaPlayerControl(QWidget* parent)
    : MediaPlayerControl(parent), frames_(framesDrawnByTheWindow()),
      window_(new GstVideoWindow(parent, frames_)), phase_(new OpenPhase(*this, OpenTimeoutMs)),
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

// Nothing here waits for the framework: the pipeline (and GStreamer itself, the first time) is
// made on the pipeline thread, and the state asked for is taken up once it is there.
void GstMediaPlayerControl::open(const QString& path) {
    const unsigned long windowId = window_->windowId();
    pipeline_.drop(false);
    watchdog_->stop();
    verdict_ = {};
    durationMs_ = 0;
    const PlayerLife::Step opening = life_.open(!path.isEmpty());
    phase_->begin(path, OpenPhase::Wait::Later);
    showPicture();
    if (path.isEmpty())
        return;
    const QString resolved = resolvePath(path);
    const MediaOpenError error = checkMediaFile(resolved);
    if (error != NoError) {
        life_.failed();
        phase_->refuseSoon(error);
        return;
    }
    if (frames_)
        frames_->clear();
    pipeline_.create(
        QFileInfo(resolved).absoluteFilePath(), windowId, frames_,
        [this](const PipelineEvent& event) { pipelineEvent(event); },
        [this](bool made) { pipelineMade(made); });
    follow(opening);
}

// The wait for the verdict counts from here: the framework's first start may scan every plugin.
void GstMediaPlayerControl::pipelineMade(bool made) {
    if (made) {
        phase_->startWait();
        return;
    }
    life_.failed();
    phase_->refuseSoon(Undecodable);
}

// The first preroll or error, or the end of the wait. The life moves first: the callers hear the
// verdict at once and may play.
void GstMediaPlayerControl::finishOpening() {
    const MediaOpenError error = verdict_.result();
    if (error == NoError) {
        life_.opened();
        phase_->tellOpened({Duration(), verdict_.hasVideo()});
    } else {
        life_.failed();
        pipeline_.drop(false);
        phase_->tellFailed(error, Duration());
    }
    showPicture();
}

QString GstMediaPlayerControl::fileName() const {
    return life_.isOpen() ? phase_->file() : QString();
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
        if (pipeline_.videoStreams() > 0)
            verdict_.videoDecoded();
        showPicture();
        return;
    case Kind::MissingVideoDecoder:
        qCInfo(logMedia).noquote() << "no decoder for" << event.text;
        verdict_.missingVideoDecoder();
        return;
    case Kind::Error:
        qCInfo(logMedia).noquote() << "player error:" << event.text;
        if (!life_.opening()) {
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

void GstMediaPlayerControl::prerolled() {
    const bool opening = life_.opening();
    const PlayerLife::Step step = life_.prerolled();
    if (!step.taken)
        return;
    pipeline_.duration(durationMs_);
    verdict_.prerolled(pipeline_.videoStreams() > 0);
    if (opening) {
        phase_->decideSoon();
        return;
    }
    if (verdict_.failsLater()) {
        failLate("no decoder for the video");
        return;
    }
    follow(step);
    showPicture();
}

// Play starts over from the end.
void GstMediaPlayerControl::reachedEnd() {
    const PlayerLife::Step step = life_.ended();
    if (!step.taken)
        return;
    qCInfo(logMedia) << "at the end";
    watchdog_->stop();
    follow(step);
}

void GstMediaPlayerControl::failLate(const QString& reason) {
    // Several reports of one failure come in; the first one counts.
    if (!life_.isOpen())
        return;
    life_.failed();
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
    if (life_.isOpen() && life_.loaded() && verdict_.hasVideo() &&
        life_.playState() != MediaPlayState::Playing) {
        qCInfo(logMedia) << "still picture drawn again at" << size;
        pipeline_.decodeStillAgain();
    }
}

void GstMediaPlayerControl::showPicture() {
    window_->setHasPicture((life_.opening() || life_.isOpen()) && verdict_.hasVideo());
}

void GstMediaPlayerControl::follow(const PlayerLife::Step& step) {
    if (step.seekMs >= 0)
        pipeline_.seek(step.seekMs);
    switch (step.ask) {
    case PlayerLife::Ask::Nothing:
        return;
    case PlayerLife::Ask::Pause:
        pipeline_.changeState(GstPipeline::State::Paused);
        return;
    case PlayerLife::Ask::Play:
        pipeline_.changeState(GstPipeline::State::Playing);
        return;
    case PlayerLife::Ask::Stop:
        pipeline_.changeState(GstPipeline::State::Null);
        return;
    }
}

// ---- transport ----

void GstMediaPlayerControl::Play() {
    const PlayerLife::Step step = life_.play();
    if (!step.taken) {
        qCInfo(logMedia) << "play: nothing loaded";
        return;
    }
    qCInfo(logMedia) << "play";
    follow(step);
    watchdog_->start();
}

void GstMediaPlayerControl::Pause() {
    qCInfo(logMedia) << "pause";
    const PlayerLife::Step step = life_.pause();
    if (!step.taken)
        return;
    watchdog_->stop();
    follow(step);
}

// The picture and sound halt when the pipeline thread gets there, at once unless it is busy; the
// GUI thread never waits for the teardown.
void GstMediaPlayerControl::Stop() {
    qCInfo(logMedia) << "stop";
    const PlayerLife::Step step = life_.stop();
    if (!step.taken)
        return;
    watchdog_->stop();
    follow(step);
}

MediaPlayState GstMediaPlayerControl::PlayState() const {
    return life_.playState();
}

void GstMediaPlayerControl::setCurrentPosition(double seconds) {
    if (!life_.isOpen() || !std::isfinite(seconds))
        return;
    qint64 ms = std::llround(std::max(0.0, seconds) * 1000.0);
    if (durationMs_ > 0)
        ms = std::min(ms, durationMs_);
    follow(life_.seek(ms));
}

// Until the pipeline has prerolled again after Stop it is at the start, whatever it still says:
// a Play right after Stop can reach the pipeline thread before the trip through NULL does.
double GstMediaPlayerControl::CurrentPosition() const {
    qint64 ms = 0;
    if (!life_.loaded() || !pipeline_.position(ms))
        return 0.0;
    return ms / 1000.0;
}

double GstMediaPlayerControl::Duration() const {
    return durationMs_ / 1000.0;
}

StallWatch::Motion GstMediaPlayerControl::motion(qint64& positionMs) const {
    positionMs = std::llround(CurrentPosition() * 1000.0);
    return life_.motion();
}

} // namespace vistrel
