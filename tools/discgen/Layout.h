#pragma once

#include <QRect>
#include <QSize>

// Where the main window puts its elements; a skin's pictures are drawn to fit these places.
namespace vistrel::discgen::layout {

constexpr QSize window{699, 432};
constexpr QRect menuButton{0, 0, 16, 16};
constexpr QRect dragStrip{16, 0, 637, 17};
constexpr QRect minimizeButton{653, 0, 16, 16};
constexpr QRect maximizeButton{668, 0, 16, 16};
constexpr QRect closeButton{683, 0, 16, 16};
constexpr QRect videoArea{13, 24, 517, 378};
constexpr QRect titleArea{533, 22, 152, 88};
constexpr QSize actionButton{139, 29};
constexpr int actionLeft = 544;
constexpr int actionTops[] = {128, 168, 208, 304, 344, 384};
constexpr QSize consoleButton{21, 11};
constexpr int consoleTop = 408;
constexpr int consoleLefts[] = {19, 41, 63, 85, 107};

} // namespace vistrel::discgen::layout
