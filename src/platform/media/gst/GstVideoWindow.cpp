#include "platform/media/gst/GstVideoWindow.h"

#include "platform/log/Log.h"
#include "platform/media/gst/FrameSurface.h"
#include "platform/media/gst/NativeVideoSurface.h"

#include <QEvent>
#include <QKeyEvent>
#include <QScreen>

namespace vistrel {

GstVideoWindow::GstVideoWindow(QWidget* parent, std::shared_ptr<DrawnFrames> frames)
    : parent_(parent), frames_(std::move(frames)), stackingPlace_(parent) {}

GstVideoWindow::~GstVideoWindow() {
    if (video_)
        video_->disconnect(this);
}

VideoSurface* GstVideoWindow::surface() {
    if (video_)
        return video_;
    if (frames_)
        video_ = new FrameSurface(parent_, frames_);
    else
        video_ = new NativeVideoSurface(parent_);
    video_->setGeometry(placement_.placedArea());
    stackingPlace_.putInPlace(video_);
    video_->installEventFilter(this);
    connect(video_, &VideoSurface::exposed, this, &GstVideoWindow::exposed);
    connect(video_, &VideoSurface::closing, this, [this] {
        emit closing();
        video_ = nullptr;
    });
    place(placement_);
    return video_;
}

unsigned long GstVideoWindow::windowId() {
    // The surface is made with the first pipeline, whether the sink draws into it or not.
    VideoSurface* video = surface();
    return frames_ ? 0 : video->winId();
}

void GstVideoWindow::place(const VideoPlacement& placement) {
    placement_ = placement;
    if (!video_)
        return;
    if (placement.fullScreen && !fullScreen_)
        enterFullScreen();
    else if (!placement.fullScreen && fullScreen_)
        leaveFullScreen();
    if (!fullScreen_)
        video_->setGeometry(placement.placedArea());
    updateVisibility();
}

void GstVideoWindow::setHasPicture(bool hasPicture) {
    hasPicture_ = hasPicture;
    updateVisibility();
}

void GstVideoWindow::updateVisibility() {
    if (video_ && !fullScreen_)
        video_->setVisible(placement_.shown && hasPicture_);
}

void GstVideoWindow::enterFullScreen() {
    fullScreen_ = true;
    if (!frame_) {
        // On X11 black by the X server itself: no screen-sized picture for Qt to paint and send.
        // A drawn video covers all of it, its own bars included.
        if (frames_)
            frame_ = std::make_unique<QWidget>();
        else
            frame_ = std::make_unique<NativeVideoSurface>(nullptr);
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

void GstVideoWindow::leaveFullScreen() {
    fullScreen_ = false;
    video_->setParent(parent_);
    video_->setGeometry(placement_.placedArea());
    stackingPlace_.putInPlace(video_);
    frame_->hide();
    updateVisibility();
    qCInfo(logMedia) << "player back in the window at" << video_->geometry();
}

bool GstVideoWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != video_ && (!frame_ || watched != frame_.get()))
        return false;
    switch (event->type()) {
    case QEvent::Resize:
        if (fullScreen_ && watched == frame_.get())
            video_->setGeometry(frame_->rect());
        return false;
    case QEvent::WinIdChange:
        if (!frames_)
            emit windowIdChanged(video_->winId());
        return false;
    case QEvent::Close:
        // The window manager closes the full-screen window: back into the main window instead.
        if (fullScreen_) {
            placement_.fullScreen = false;
            leaveFullScreen();
            emit fullScreenLeft();
        }
        event->ignore();
        return true;
    case QEvent::MouseButtonDblClick:
        qCInfo(logMedia) << "player double-click";
        emit doubleClicked();
        return true;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && fullScreen_) {
            qCInfo(logMedia) << "player leaves full screen by itself (Esc)";
            placement_.fullScreen = false;
            leaveFullScreen();
            emit fullScreenLeft();
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace vistrel
