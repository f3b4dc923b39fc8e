#include "platform/media/gst/VideoSurface.h"

namespace vistrel {

VideoSurface::VideoSurface(QWidget* parent) : QWidget(parent) {}

VideoSurface::~VideoSurface() {
    emit closing();
}

// Qt paints nothing beneath a window that paints itself, so what the parent's picture held there
// when the video came over it (the information page, say) is stale; hiding the window would show
// it again. The place is painted anew instead.
void VideoSurface::hideEvent(QHideEvent* event) {
    if (QWidget* parent = parentWidget(); parent && !isWindow())
        parent->update(geometry());
    QWidget::hideEvent(event);
}

} // namespace vistrel
