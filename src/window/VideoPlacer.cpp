#include "window/VideoPlacer.h"

#include "platform/media/MediaPlayerControl.h"

namespace vistrel {

VideoPlacer::VideoPlacer(MediaPlayerControl& player, const QRect& area)
    : QObject(&player), player_(player), placement_{area} {
    connect(&player_, &MediaPlayerControl::fullScreenLeft, this,
            [this] { placement_.fullScreen = false; });
    apply();
}

void VideoPlacer::show() {
    placement_.shown = true;
    apply();
}

void VideoPlacer::hide() {
    placement_.shown = false;
    apply();
}

void VideoPlacer::moveTo(const QRect& area) {
    placement_.area = area;
    apply();
}

void VideoPlacer::enterFullScreen() {
    placement_.fullScreen = true;
    apply();
}

void VideoPlacer::leaveFullScreen() {
    placement_.fullScreen = false;
    apply();
}

void VideoPlacer::apply() {
    player_.place(placement_);
}

} // namespace vistrel
