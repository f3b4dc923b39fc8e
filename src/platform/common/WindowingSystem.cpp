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

} // namespace vistrel
