#pragma once

#include "window/RequestWatch.h"

#include <QList>
#include <QObject>
#include <QRect>
#include <QRegion>
#include <QTimer>

namespace vistrel {

class Stage;
class VideoPlacer;

// What the display modes change: the window, its title picture, the picture area and the video.
struct DisplayElements {
    QWidget& window;
    QWidget& title;
    QWidget& pictures;
    VideoPlacer& video;
    // The window's size in normal display.
    QSize normalSize;
};

// Normal and full-screen display. A movie (as the stage says) covers the screen by itself through
// the player; pictures (no movie) take the whole window to full screen without its side buttons
// and title, the picture area and player stretched over it.
class DisplayModes : public QObject {
    Q_OBJECT
  public:
    // sideButtons: the side buttons on show in normal display; outline: the skin's outline of
    // the window, as it stands when the window comes back.
    DisplayModes(DisplayElements elements, const Stage& stage, const QRegion& outline,
                 QList<QWidget*> sideButtons);

    void EnterFullScreen();
    void LeaveFullScreen();
    bool IsFullScreen() const;

    void maximizeClicked();
    // The double click on the video or the picture area: in or out.
    void toggleFullScreen();
    // The double click on the drag strip only ever goes in.
    void dragStripDoubleClicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void enterPictures();
    void leavePictures();
    void placeVideoElements(const QRect& area);
    void showSideButtons(bool visible);
    QSize screenSize() const;
    void watchRequest();
    void checkRequest();
    void askAgain();

    DisplayElements elements_;
    const Stage& stage_;
    const QRegion& outline_;
    QList<QWidget*> sideButtons_;
    bool picturesFullScreen_ = false;
    QPoint normalPosition_;
    // Whether the window manager acts on the window's way into full screen and back.
    RequestWatch request_;
    QTimer requestTimer_;
};

} // namespace vistrel
