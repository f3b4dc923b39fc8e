#include "platform/media/qt/QtVideoWindow.h"

#include "platform/log/Log.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QVideoWidget>

namespace vistrel {

QtVideoWindow::QtVideoWindow(QWidget* parent) : parent_(parent), stackingPlace_(parent) {}

QVideoWidget* QtVideoWindow::widget() {
    if (video_)
        return video_;
    video_ = new QVideoWidget(parent_);
    // Black bars rather than a squashed picture, in the window as on the whole screen.
    video_->setAspectRatioMode(Qt::KeepAspectRatio);
    video_->setGeometry(placement_.placedArea());
    stackingPlace_.putInPlace(video_);
    video_->installEventFilter(this);
    for (QObject* child : video_->findChildren<QObject*>())
        child->installEventFilter(this);
    connect(video_, &QVideoWidget::fullScreenChanged, this, [this](bool fullScreen) {
        if (!fullScreen && placement_.fullScreen)
            leftByItself();
    });
    place(placement_);
    return video_;
}

void QtVideoWindow::place(const VideoPlacement& placement) {
    placement_ = placement;
    if (!video_)
        return;
    if (placement.fullScreen && !video_->isFullScreen()) {
        video_->setFullScreen(true);
        qCInfo(logMedia) << "player full screen";
    } else if (!placement.fullScreen && video_->isFullScreen()) {
        leaveFullScreen();
    }
    if (!video_->isFullScreen())
        video_->setGeometry(placement.placedArea());
    updateVisibility();
}

void QtVideoWindow::setHasPicture(bool hasPicture) {
    hasPicture_ = hasPicture;
    updateVisibility();
}

void QtVideoWindow::updateVisibility() {
    if (video_ && !video_->isFullScreen())
        video_->setVisible(placement_.shown && hasPicture_);
}

// The widget reports leaving full screen before the framework moves it back to the place it
// noted itself; the placement is put back only once that is done.
void QtVideoWindow::leaveFullScreen() {
    {
        const QSignalBlocker quiet(video_);
        video_->setFullScreen(false);
    }
    leftFullScreen();
}

// Leaving full screen restores the widget's position but not its size.
void QtVideoWindow::leftFullScreen() {
    if (video_->isFullScreen())
        return;
    video_->setGeometry(placement_.placedArea());
    updateVisibility();
    qCInfo(logMedia) << "player back in the window at" << video_->geometry();
}

void QtVideoWindow::leftByItself() {
    placement_.fullScreen = false;
    leftFullScreen();
    emit fullScreenLeft();
}

bool QtVideoWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (watched == video_)
            static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
        return false;
    case QEvent::MouseButtonDblClick:
        qCInfo(logMedia) << "player double-click";
        emit doubleClicked();
        return true;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && video_->isFullScreen()) {
            qCInfo(logMedia) << "player leaves full screen by itself (Esc)";
            {
                const QSignalBlocker quiet(video_);
                video_->setFullScreen(false);
            }
            leftByItself();
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace vistrel
