#include "media/DisplayModes.h"

#include "platform/log/Log.h"
#include "window/Stage.h"
#include "window/VideoPlacer.h"
#include "window/WindowAreas.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace vistrel {

DisplayModes::DisplayModes(DisplayElements elements, const Stage& stage, const QRegion& outline,
                           QList<QWidget*> sideButtons)
    : elements_(elements), stage_(stage), outline_(outline), sideButtons_(std::move(sideButtons)) {
    elements_.window.installEventFilter(this);
    requestTimer_.setInterval(RequestWatch::TickMs);
    connect(&requestTimer_, &QTimer::timeout, this, &DisplayModes::checkRequest);
}

// The player can leave its full screen by itself (Esc): the placement's owner knows.
bool DisplayModes::IsFullScreen() const {
    return stage_.movie() ? elements_.video.fullScreen() : picturesFullScreen_;
}

void DisplayModes::maximizeClicked() {
    EnterFullScreen();
}

void DisplayModes::toggleFullScreen() {
    if (IsFullScreen())
        LeaveFullScreen();
    else
        EnterFullScreen();
}

void DisplayModes::dragStripDoubleClicked() {
    if (!IsFullScreen())
        EnterFullScreen();
}

void DisplayModes::EnterFullScreen() {
    if (IsFullScreen())
        return;
    if (!stage_.movie()) {
        enterPictures();
        return;
    }
    elements_.video.enterFullScreen();
    qCInfo(logWindow) << "movie full screen";
}

void DisplayModes::LeaveFullScreen() {
    if (!IsFullScreen())
        return;
    if (!stage_.movie()) {
        leavePictures();
        return;
    }
    elements_.video.leaveFullScreen();
    qCInfo(logWindow) << "movie back in the window";
}

// The window stays mapped: asked while it is being hidden and shown again, the window manager
// now and then left it at its size (a loaded machine answers the hiding late, and the request
// goes to a window it is still withdrawing).
void DisplayModes::enterPictures() {
    QWidget& w = elements_.window;
    picturesFullScreen_ = true;
    normalPosition_ = w.pos();
    w.setMinimumSize(0, 0);
    w.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    w.clearMask(); // the outline is the whole screen-sized rectangle
    showSideButtons(false);
    const QSize size = screenSize();
    placeVideoElements(QRect(QPoint(0, 0), size));
    elements_.title.hide();
    w.showFullScreen();
    qCInfo(logWindow) << "window full screen at" << size;
    watchRequest();
}

// Unlike a plain rectangle, the skin's own outline comes back with the normal layout. The window
// stays mapped meanwhile: hidden and shown again, the window manager would place it anew.
void DisplayModes::leavePictures() {
    QWidget& w = elements_.window;
    picturesFullScreen_ = false;
    w.setFixedSize(elements_.normalSize);
    if (outline_.isEmpty())
        w.clearMask();
    else
        w.setMask(outline_);
    showSideButtons(true);
    placeVideoElements(VideoArea);
    elements_.title.show();
    w.showNormal();
    w.move(normalPosition_); // back where the user left it
    qCInfo(logWindow) << "window back to normal at" << w.pos();
    watchRequest();
}

QSize DisplayModes::screenSize() const {
    const QScreen* screen = elements_.window.screen();
    return screen ? screen->geometry().size() : elements_.window.size();
}

void DisplayModes::watchRequest() {
    request_.start();
    requestTimer_.start();
}

// The size the window manager gives the window tells whether it acted on the request.
void DisplayModes::checkRequest() {
    const QSize size = elements_.window.size();
    const bool granted = picturesFullScreen_ ? size == screenSize() : size == elements_.normalSize;
    switch (request_.tick(granted)) {
    case RequestWatch::Action::Wait:
        return;
    case RequestWatch::Action::Done:
        requestTimer_.stop();
        return;
    case RequestWatch::Action::GiveUp:
        requestTimer_.stop();
        qCInfo(logWindow) << "the window manager did not act on the window's request; left at"
                          << size;
        return;
    case RequestWatch::Action::AskAgain:
        qCInfo(logWindow) << "the window manager did not act on the window's request: asked again";
        askAgain();
        return;
    }
}

// The window's own state is already the one asked for: passing through the other one asks the
// window manager again.
void DisplayModes::askAgain() {
    QWidget& w = elements_.window;
    const Qt::WindowState wanted = picturesFullScreen_ ? Qt::WindowFullScreen : Qt::WindowNoState;
    w.setWindowState(picturesFullScreen_ ? Qt::WindowNoState : Qt::WindowFullScreen);
    w.setWindowState(wanted);
}

void DisplayModes::placeVideoElements(const QRect& area) {
    elements_.video.moveTo(area);
    elements_.pictures.setGeometry(area);
}

// Only the offered side buttons are touched.
void DisplayModes::showSideButtons(bool visible) {
    for (QWidget* button : sideButtons_)
        button->setVisible(visible);
}

// The screen's size can settle only after the window manager has acted on the switch.
bool DisplayModes::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && picturesFullScreen_ && watched == &elements_.window)
        placeVideoElements(QRect(QPoint(0, 0), elements_.window.size()));
    return false;
}

} // namespace vistrel
