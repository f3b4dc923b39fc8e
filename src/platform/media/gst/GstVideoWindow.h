#pragma once

#include "platform/common/StackingPlace.h"
#include "platform/media/VideoPlacement.h"

#include <QObject>

#include <memory>

namespace vistrel {

class DrawnFrames;
class VideoSurface;

// Where the video shows: the native window a sink draws into, or, given the frames, a widget that
// draws them. It is placed in the main window or, for full screen, inside a black window of its
// own that covers the screen. The video's window itself never becomes a top-level window: the
// window manager's late answers about a window that was full screen would move it about once it
// is back among its siblings.
class GstVideoWindow : public QObject {
    Q_OBJECT
  public:
    GstVideoWindow(QWidget* parent, std::shared_ptr<DrawnFrames> frames);
    ~GstVideoWindow() override;

    // Made on first need, in the place in the stacking order held since construction.
    VideoSurface* surface();
    bool exists() const { return video_ != nullptr; }
    // The native window a sink draws into; 0 where the frames are drawn.
    unsigned long windowId();

    void place(const VideoPlacement& placement);
    // Whether there is a picture to show: sound alone, or nothing opened, draws nothing, so that
    // the picture area beneath stays in sight instead of a black box over it. A video stream is
    // known before its first picture: shown then, the window gets that picture (drawn into a
    // hidden window, it would be lost until the next one).
    void setHasPicture(bool hasPicture);

  signals:
    void exposed();
    void windowIdChanged(unsigned long windowId);
    // The native window is about to go: whatever draws into it must stop now.
    void closing();
    void doubleClicked();
    void fullScreenLeft();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void enterFullScreen();
    void leaveFullScreen();
    void updateVisibility();

    QWidget* parent_;
    std::shared_ptr<DrawnFrames> frames_;
    StackingPlace stackingPlace_;
    VideoSurface* video_ = nullptr;
    std::unique_ptr<QWidget> frame_;
    VideoPlacement placement_{{0, 0, 100, 30}};
    bool fullScreen_ = false;
    bool hasPicture_ = false;
};

} // namespace vistrel
