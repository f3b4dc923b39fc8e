#include "platform/common/WindowingSystem.h"

#include <QGuiApplication>

namespace vistrel {

namespace {

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

bool windowsDrawTheirOutline() {
    return onWayland();
}

bool compositorPlacesWindows() {
    return onWayland();
}

WindowMoving howWindowsMove() {
    if (onWayland())
        return WindowMoving::Compositor;
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return WindowMoving::Program;
    return WindowMoving::SystemLoop;
}

} // namespace vistrel
