#pragma once

#include <QRect>

namespace vistrel {

// The main window's fixed size and the places in it that the skin's pictures, the features and
// the disc generator share, in the window's pixels.
inline constexpr int WindowWidth = 699;
inline constexpr int WindowHeight = 432;
// Where the movie, the slideshow's pictures and the information document lie on top of one
// another in normal mode.
inline constexpr QRect VideoArea{13, 24, 517, 378};
inline constexpr QRect TitleArea{533, 22, 152, 88};
inline constexpr QRect DragStrip{16, 0, 637, 17};

} // namespace vistrel
