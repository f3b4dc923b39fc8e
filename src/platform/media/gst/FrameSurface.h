#pragma once

#include "platform/media/gst/VideoSurface.h"

#include <memory>

namespace vistrel {

class DrawnFrames;

// The video drawn by Qt: the newest decoded picture scaled into the widget at its shape, with
// black bars, as a sink would show it. Where no sink can draw into a window (a Wayland session,
// no display at all); at any size, full screen included, a paused picture is drawn at once.
class FrameSurface : public VideoSurface {
    Q_OBJECT
  public:
    FrameSurface(QWidget* parent, std::shared_ptr<DrawnFrames> frames);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::shared_ptr<DrawnFrames> frames_;
};

} // namespace vistrel
