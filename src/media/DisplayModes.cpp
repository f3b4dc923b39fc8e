#include "media/DisplayModes.h"

#include "media/MediaState.h"
#include "platform/log/Log.h"
#include "platform/media/MediaPlayerControl.h"
#include "window/MainDialog.h"

#include <QEvent>
#include <QScreen>

namespace vistrel {

DisplayModes::DisplayModes(MainDialog& window, const MediaState& media, const QRegion& outline,
                           QList<QWidget*> sideButtons)
    : window_(window), media_(media), outline_(outline), sideButtons_(std::move(sideButtons)) {
    window_.installEventFilter(this);
}

// The control can leave its full screen by itself (Esc), so a movie's mode is read from it.
void DisplayModes::refresh() {
    if (media_.IsMovie)
        isFullScreen_ = window_.MediaPlayer()->DisplaySize() == MediaDisplaySize::FullScreen;
}

void DisplayModes::maximizeClicked() {
    refresh();
    EnterFullScreen();
}

void DisplayModes::toggleFullScreen() {
    refresh();
    if (isFullScreen_)
        LeaveFullScreen();
    else
        EnterFullScreen();
}

void DisplayModes::dragStripDoubleClicked() {
    refresh();
    if (!isFullScreen_)
        EnterFullScreen();
}

void DisplayModes::movieEnded() {
    refresh();
    if (media_.IsMovie)
        LeaveFullScreen();
}

void DisplayModes::EnterFullScreen() {
    if (isFullScreen_)
        return;
    isFullScreen_ = true;
    if (!media_.IsMovie) {
        enterPictures();
        return;
    }
    MediaPlayerControl& player = *window_.MediaPlayer();
    player.setEnabled(false);
    player.setDisplaySize(MediaDisplaySize::FullScreen);
    player.setEnabled(true);
    qCInfo(logWindow) << "movie full screen";
}

void DisplayModes::LeaveFullScreen() {
    if (!isFullScreen_)
        return;
    isFullScreen_ = false;
    if (!media_.IsMovie) {
        leavePictures();
        return;
    }
    MediaPlayerControl& player = *window_.MediaPlayer();
    player.setDisplaySize(MediaDisplaySize::FitToSize);
    player.setGeometry(MainDialog::VideoArea);
    qCInfo(logWindow) << "movie back in the window";
}

// The window is hidden while it changes and shown again afterwards.
void DisplayModes::enterPictures() {
    MainDialog& w = window_;
    normalPosition_ = w.pos();
    w.hide();
    w.setMinimumSize(0, 0);
    w.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    w.clearMask(); // the outline is the whole screen-sized rectangle
    showSideButtons(false);
    const QScreen* screen = w.screen();
    const QSize size = screen ? screen->geometry().size() : w.size();
    placeVideoElements(QRect(QPoint(0, 0), size));
    w.picTitle()->hide();
    w.showFullScreen();
    qCInfo(logWindow) << "window full screen at" << size;
}

// Unlike a plain rectangle, the skin's own outline comes back with the normal layout. The window
// stays mapped meanwhile: hidden and shown again, the window manager would place it anew.
void DisplayModes::leavePictures() {
    MainDialog& w = window_;
    w.setFixedSize(MainDialog::WindowWidth, MainDialog::WindowHeight);
    if (outline_.isEmpty())
        w.clearMask();
    else
        w.setMask(outline_);
    showSideButtons(true);
    placeVideoElements(MainDialog::VideoArea);
    w.picTitle()->show();
    w.showNormal();
    w.move(normalPosition_); // back where the user left it
    qCInfo(logWindow) << "window back to normal at" << w.pos();
}

void DisplayModes::placeVideoElements(const QRect& area) {
    window_.MediaPlayer()->setGeometry(area);
    window_.picShowPictures()->setGeometry(area);
}

// Only the offered side buttons are touched.
void DisplayModes::showSideButtons(bool visible) {
    for (QWidget* button : sideButtons_)
        button->setVisible(visible);
}

bool DisplayModes::picturesFullScreen() const {
    return isFullScreen_ && !media_.IsMovie;
}

// The screen's size can settle only after the window manager has acted on the switch.
bool DisplayModes::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && picturesFullScreen() && watched == &window_)
        placeVideoElements(QRect(QPoint(0, 0), window_.size()));
    return false;
}

} // namespace vistrel
