#include "media/DisplayModes.h"

#include "app/Core.h"
#include "platform/Log.h"
#include "platform/MediaPlayerControl.h"

#include <QEvent>
#include <QScreen>

namespace vistrel {

DisplayModes::DisplayModes(Core& core) : core_(core) {}

void DisplayModes::connectTo(MainDialog& dialog) {
    connect(dialog.btnMaximize, &ImageArea::clicked, this, &DisplayModes::maximizeClicked);
    connect(dialog.MediaPlayer, &MediaPlayerControl::DblClick, this,
            &DisplayModes::toggleFullScreen);
    connect(dialog.picShowPictures, &ImageArea::doubleClicked, this,
            &DisplayModes::toggleFullScreen);
    connect(dialog.recDragWindow, &ImageArea::doubleClicked, this,
            &DisplayModes::dragStripDoubleClicked);
    dialog.installEventFilter(this);
}

// The control can leave its full screen by itself (Esc), so a movie's mode is read from it.
void DisplayModes::refresh() {
    if (core_.state.IsMovie)
        core_.state.IsFullScreen =
            core_.dialog().MediaPlayer->DisplaySize() == MediaPlayerControl::FullScreen;
}

void DisplayModes::maximizeClicked() {
    refresh();
    EnterFullScreen();
}

void DisplayModes::toggleFullScreen() {
    refresh();
    if (core_.state.IsFullScreen)
        LeaveFullScreen();
    else
        EnterFullScreen();
}

void DisplayModes::dragStripDoubleClicked() {
    refresh();
    if (!core_.state.IsFullScreen)
        EnterFullScreen();
}

void DisplayModes::movieEnded() {
    refresh();
    if (core_.state.IsMovie)
        LeaveFullScreen();
}

void DisplayModes::EnterFullScreen() {
    if (core_.state.IsFullScreen)
        return;
    core_.state.IsFullScreen = true;
    if (!core_.state.IsMovie) {
        enterPictures();
        return;
    }
    MediaPlayerControl& player = *core_.dialog().MediaPlayer;
    player.setEnabled(false);
    player.setDisplaySize(MediaPlayerControl::FullScreen);
    player.setEnabled(true);
    qCInfo(logWindow) << "movie full screen";
}

void DisplayModes::LeaveFullScreen() {
    if (!core_.state.IsFullScreen)
        return;
    core_.state.IsFullScreen = false;
    if (!core_.state.IsMovie) {
        leavePictures();
        return;
    }
    MediaPlayerControl& player = *core_.dialog().MediaPlayer;
    player.setDisplaySize(MediaPlayerControl::FitToSize);
    player.setLeft(MainDialog::VideoArea.left());
    player.setTop(MainDialog::VideoArea.top());
    player.setWidth(MainDialog::VideoArea.width());
    player.setHeight(MainDialog::VideoArea.height());
    qCInfo(logWindow) << "movie back in the window";
}

// The window is hidden while it changes and shown again afterwards.
void DisplayModes::enterPictures() {
    MainDialog& w = core_.dialog();
    normalPosition_ = w.pos();
    w.hide();
    w.setMinimumSize(0, 0);
    w.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    w.clearMask(); // the outline is the whole screen-sized rectangle
    showSideButtons(false);
    const QScreen* screen = w.screen();
    const QSize size = screen ? screen->geometry().size() : w.size();
    placeVideoElements(QRect(QPoint(0, 0), size));
    w.picTitle->hide();
    w.showFullScreen();
    qCInfo(logWindow) << "window full screen at" << size;
}

// Unlike a plain rectangle, the skin's own outline comes back with the normal layout. The window
// stays mapped meanwhile: hidden and shown again, the window manager would place it anew.
void DisplayModes::leavePictures() {
    MainDialog& w = core_.dialog();
    w.setFixedSize(MainDialog::WindowWidth, MainDialog::WindowHeight);
    const QRegion& outline = core_.skins.skin.ShapeRegion;
    if (outline.isEmpty())
        w.clearMask();
    else
        w.setMask(outline);
    showSideButtons(true);
    placeVideoElements(MainDialog::VideoArea);
    w.picTitle->show();
    w.showNormal();
    w.move(normalPosition_); // back where the user left it
    qCInfo(logWindow) << "window back to normal at" << w.pos();
}

void DisplayModes::placeVideoElements(const QRect& area) {
    MainDialog& w = core_.dialog();
    w.MediaPlayer->setLeft(area.left());
    w.MediaPlayer->setTop(area.top());
    w.MediaPlayer->setWidth(area.width());
    w.MediaPlayer->setHeight(area.height());
    w.picShowPictures->setGeometry(area);
}

// Only the offered side buttons are touched; btnExit always is.
void DisplayModes::showSideButtons(bool visible) {
    MainDialog& w = core_.dialog();
    const AppState& s = core_.state;
    const std::pair<bool, PictureBox*> buttons[] = {{s.InstallCodecVisible, w.btnInstallCodec},
                                                    {s.InstallPlayerVisible, w.btnInstallPlayer},
                                                    {s.InfoVisible, w.btnInfo},
                                                    {s.StartPlayerVisible, w.btnStartPlayer},
                                                    {s.ExploreVisible, w.btnExplore},
                                                    {true, w.btnExit}};
    for (const auto& [offered, button] : buttons)
        if (offered)
            button->setVisible(visible);
}

bool DisplayModes::picturesFullScreen() const {
    return core_.state.IsFullScreen && !core_.state.IsMovie;
}

// The screen's size can settle only after the window manager has acted on the switch.
bool DisplayModes::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && picturesFullScreen() && watched == &core_.dialog())
        placeVideoElements(QRect(QPoint(0, 0), core_.dialog().size()));
    return false;
}

} // namespace vistrel
