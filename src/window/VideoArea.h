#pragma once

#include <QRect>

namespace vistrel {

// Where the movie, the slideshow's pictures and the information document lie on top of one
// another in normal mode, in the main window's pixels.
inline constexpr QRect VideoArea{13, 24, 517, 378};

} // namespace vistrel
