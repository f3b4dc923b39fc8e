#include "platform/media/gst/NativeVideoSurface.h"

#include <QEvent>
#include <QGuiApplication>

#include <xcb/xcb.h>

namespace vistrel {

namespace {

// Where no frame is drawn (stopped, between files) the X server fills the window with black, as
// a video area shows, instead of leaving whatever was on the screen before.
xcb_connection_t* displayConnection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

void blackBackground(WId window) {
    xcb_connection_t* connection = displayConnection();
    if (!connection || window == 0)
        return;
    const uint32_t black = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->black_pixel;
    xcb_change_window_attributes(connection, xcb_window_t(window), XCB_CW_BACK_PIXEL, &black);
    xcb_clear_area(connection, 0, xcb_window_t(window), 0, 0, 0, 0);
    xcb_flush(connection);
}

} // namespace

NativeVideoSurface::NativeVideoSurface(QWidget* parent) : VideoSurface(parent) {
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool NativeVideoSurface::event(QEvent* event) {
    if (event->type() == QEvent::WinIdChange)
        blackBackground(internalWinId());
    return QWidget::event(event);
}

// The sink reads the window's size back from the X server on its own connection: what Qt has
// changed of it (full screen) must have reached the server before the sink is told to draw.
void NativeVideoSurface::paintEvent(QPaintEvent*) {
    if (xcb_connection_t* connection = displayConnection())
        xcb_flush(connection);
    emit exposed();
}

} // namespace vistrel
