#pragma once

#include "platform/common/StackingPlace.h"
#include "platform/media/VideoPlacement.h"

#include <QObject>

class QVideoWidget;

namespace vistrel {

// Qt Multimedia's video widget, placed in the main window or covering the screen by itself. The
// video lies in a native window inside the widget: its double clicks and keys may arrive at the
// widget or at the window's container, so both are watched.
class QtVideoWindow : public QObject {
    Q_OBJECT
  public:
    explicit QtVideoWindow(QWidget* parent);

    // Made on first need, in the place in the stacking order held since construction.
    QVideoWidget* widget();
    bool exists() const { return video_ != nullptr; }

    void place(const VideoPlacement& placement);
    // Whether there is a picture to show: sound alone, or nothing opened, draws nothing, so that
    // the picture area beneath stays in sight instead of a black box over it.
    void setHasPicture(bool hasPicture);

  signals:
    void doubleClicked();
    // Left by itself (Esc, the window manager).
    void fullScreenLeft();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void leaveFullScreen();
    void leftFullScreen();
    void leftByItself();
    void updateVisibility();

    QWidget* parent_;
    StackingPlace stackingPlace_;
    QVideoWidget* video_ = nullptr;
    VideoPlacement placement_{{0, 0, 100, 30}};
    bool hasPicture_ = false;
};

} // namespace vistrel
