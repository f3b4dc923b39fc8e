#include "platform/media/gst/GstEngine.h"

#include "platform/log/Log.h"
#include "platform/media/gst/DrawnFrames.h"
#include "platform/media/gst/GstVideoWindow.h"
#include "platform/media/gst/VideoSurface.h"

#include <QGuiApplication>
#include <QWidget>

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

GstEngine::GstEngine(QWidget* parent)
    : MediaEngine(parent), frames_(framesDrawnByTheWindow()),
      window_(new GstVideoWindow(parent, frames_)) {
    window_->setParent(this);
    connect(window_, &GstVideoWindow::exposed, this, &GstEngine::exposed);
    connect(window_, &GstVideoWindow::windowIdChanged, this,
            [this](unsigned long id) { pipeline_.setWindow(id); });
    connect(window_, &GstVideoWindow::closing, this, [this] { pipeline_.drop(true); });
    connect(window_, &GstVideoWindow::doubleClicked, this, &MediaEngine::doubleClicked);
    connect(window_, &GstVideoWindow::fullScreenLeft, this, &MediaEngine::fullScreenLeft);
}

// The sink may draw into the video's window until the pipeline is down, and the window goes with
// the parent: here, at the end, the teardown is waited for.
GstEngine::~GstEngine() {
    pipeline_.drop(true);
}

QWidget* GstEngine::widget() {
    return window_->surface();
}

void GstEngine::place(const VideoPlacement& placement) {
    window_->place(placement);
}

void GstEngine::setHasPicture(bool hasPicture) {
    window_->setHasPicture(hasPicture);
}

// Nothing here waits for the framework: the pipeline (and GStreamer itself, the first time) is
// made on the pipeline thread, and the state asked for is taken up once it is there.
void GstEngine::make(const QString& file) {
    const unsigned long windowId = window_->windowId();
    pipeline_.drop(false);
    if (file.isEmpty())
        return;
    if (frames_)
        frames_->clear();
    pipeline_.create(
        file, windowId, frames_, [this](const PipelineEvent& event) { pipelineEvent(event); },
        [this](bool made) {
            emit happened({made ? EngineEvent::Kind::Made : EngineEvent::Kind::NotMade,
                           made ? QString() : QStringLiteral("the pipeline was not made")});
        });
}

void GstEngine::changeState(State state) {
    switch (state) {
    case State::Null:
        pipeline_.changeState(GstPipeline::State::Null);
        return;
    case State::Paused:
        pipeline_.changeState(GstPipeline::State::Paused);
        return;
    case State::Playing:
        pipeline_.changeState(GstPipeline::State::Playing);
        return;
    }
}

qint64 GstEngine::duration() const {
    qint64 ms = 0;
    return pipeline_.duration(ms) ? ms : 0;
}

// A picture stream is known before its first picture: shown then, the window gets that picture.
void GstEngine::pipelineEvent(const PipelineEvent& event) {
    using Kind = PipelineEvent::Kind;
    using Said = EngineEvent::Kind;
    switch (event.kind) {
    case Kind::Prerolled:
        if (pipeline_.videoStreams() > 0)
            emit happened({Said::VideoFound, {}});
        emit happened({Said::Prerolled, {}});
        return;
    case Kind::VideoChanged:
        if (pipeline_.videoStreams() > 0)
            emit happened({Said::VideoFound, {}});
        return;
    case Kind::MissingVideoDecoder:
        emit happened({Said::DecoderMissing, event.text});
        return;
    case Kind::Error:
        emit happened({Said::Error, event.text});
        return;
    case Kind::Ended:
        emit happened({Said::Ended, {}});
        return;
    case Kind::DurationChanged:
        emit happened({Said::DurationKnown, {}});
        return;
    }
}

// A sink that does not scale (no XVideo) keeps a still picture at the size it was decoded for
// until the next frame: once the video's window has another size (full screen and back), the
// player may have that picture decoded again.
void GstEngine::exposed() {
    pipeline_.expose();
    const QSize size = window_->surface()->size();
    if (size == exposedSize_)
        return;
    exposedSize_ = size;
    emit resized();
}

} // namespace vistrel
