#include "platform/VideoSurface.h"

namespace vistrel {

VideoSurface::VideoSurface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

VideoSurface::~VideoSurface() {
    emit closing();
}

void VideoSurface::paintEvent(QPaintEvent*) {
    emit exposed();
}

} // namespace vistrel
