#pragma once

#include <QImage>
#include <QRegion>
#include <QSize>

namespace vistrel {

// The window outline cut from a mask picture: its non-black pixels, taken from the mask's own
// size and clipped to the window. A mask without any non-black pixel gives an empty region,
// which leaves the window its full rectangle.
QRegion regionFromMaskImage(const QImage& mask, QSize window);

} // namespace vistrel
