#pragma once

#include <QRect>

namespace vistrel {

// Where the video goes and whether it shows: one value, decided by its owner and applied whole by
// each player. While the video covers the screen, area is where it returns to.
struct VideoPlacement {
    QRect area;
    bool shown = true;
    bool fullScreen = false;

    // A negative size counts as none.
    QRect placedArea() const { return {area.topLeft(), area.size().expandedTo({0, 0})}; }
    bool operator==(const VideoPlacement&) const = default;
};

} // namespace vistrel
