#include "media/SlideInterval.h"

#include "text/NumericText.h"

#include <algorithm>
#include <cmath>

namespace vistrel {

int slideInterval(std::string_view text) {
    const std::optional<double> value = numericValue(text);
    if (!value || *value < 0)
        return DefaultSlideInterval;
    // Rounding in the default mode rounds halves to even, as the 16-bit conversion did.
    const double rounded = std::nearbyint(*value);
    if (rounded >= static_cast<double>(LargestTimerInterval))
        return LargestTimerInterval;
    if (rounded == 0)
        return 0;
    return std::max(static_cast<int>(rounded), SlideIntervalFloor);
}

} // namespace vistrel
