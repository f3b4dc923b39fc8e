#pragma once

#include <limits>
#include <string_view>

namespace vistrel {

inline constexpr int DefaultSlideInterval = 3000;
// No viewer sees a picture shown for less, and each step decodes a picture: a shorter interval
// only burns a core.
inline constexpr int SlideIntervalFloor = 100;
// QTimer takes its interval as an int of milliseconds.
inline constexpr int LargestTimerInterval = std::numeric_limits<int>::max();

// The slideshow's step interval in milliseconds from its configured text. Empty, non-numeric or
// negative text gives the default; the value is rounded to whole milliseconds (halves to even)
// and held between the floor and the largest interval a timer takes. 0 means the pictures never
// step by themselves.
int slideInterval(std::string_view text);

} // namespace vistrel
