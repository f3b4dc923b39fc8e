#pragma once

#include "window/WindowAreas.h"

#include <QRect>
#include <QSize>

// Where the main window puts the elements that are not buttons (the table of buttons places
// those); a skin's pictures are drawn to fit these places.
namespace vistrel::discgen::layout {

constexpr QSize window{WindowWidth, WindowHeight};
constexpr QRect dragStrip = DragStrip;
constexpr QRect videoArea = VideoArea;
constexpr QRect titleArea = TitleArea;

} // namespace vistrel::discgen::layout
