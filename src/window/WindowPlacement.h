#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vistrel {

// Where a window first shows on a screen's free area: centred where it fits, wholly on the
// screen. Where it does not fit (the window at device pixel ratio 2 on a small screen), its top
// edge and its right edge stay on the screen, so that its title strip and its close button
// are there to drag and close it.
QPoint firstWindowPlace(const QRect& available, QSize window);

} // namespace vistrel
