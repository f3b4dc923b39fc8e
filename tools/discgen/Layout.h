#pragma once

#include "window/MainDialog.h"

#include <QRect>
#include <QSize>

// Where the main window puts the elements that are not buttons (the table of buttons places
// those); a skin's pictures are drawn to fit these places.
namespace vistrel::discgen::layout {

constexpr QSize window{MainDialog::WindowWidth, MainDialog::WindowHeight};
constexpr QRect dragStrip = MainDialog::DragStrip;
constexpr QRect videoArea = MainDialog::VideoArea;
constexpr QRect titleArea = MainDialog::TitleArea;

} // namespace vistrel::discgen::layout
