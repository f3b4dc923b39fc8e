#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace vistrel {

// A rectangle of the outline in window pixels; right and bottom are exclusive.
struct MaskRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const MaskRect&, const MaskRect&) = default;
};

// One row of mask pixels, width values of the form 0x??RRGGBB (the top byte is ignored). Each
// row's pixels must stay in place until the scan is over (rows of one picture in memory): a
// row is compared with the row above it to skip finding the same runs again.
using MaskRowReader = std::function<const std::uint32_t*(int y)>;

// The outline of a window cut from a mask: every pixel that is not exactly black (RGB 0,0,0)
// is inside. Each row is scanned left to right and a run of opaque pixels ends at a black
// pixel or at the column past the right edge. Consecutive rows with the same runs form one
// band, so the result holds one rectangle per run of each distinct band, sorted top to bottom
// and left to right; runs of one row never touch. No opaque pixel (or an empty mask) gives
// no rectangle at all.
std::vector<MaskRect> RegionFromMask(int width, int height, const MaskRowReader& row);

} // namespace vistrel
