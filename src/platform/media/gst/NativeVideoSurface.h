#pragma once

#include "platform/media/gst/VideoSurface.h"

namespace vistrel {

// A native child window that a video sink draws into (X11): Qt paints nothing there, and tells
// when the window needs its picture again.
class NativeVideoSurface : public VideoSurface {
    Q_OBJECT
  public:
    explicit NativeVideoSurface(QWidget* parent);

    QPaintEngine* paintEngine() const override { return nullptr; }

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vistrel
