#include "skin/RegionFromMask.h"

namespace vistrel {

namespace {

constexpr std::uint32_t kColourBits = 0x00FFFFFFu;

struct Run {
    int start;
    int end; // exclusive

    friend bool operator==(const Run&, const Run&) = default;
};

// The opaque runs of one row; the column past the edge closes an open run.
void scanRow(const std::uint32_t* pixels, int width, std::vector<Run>& runs) {
    runs.clear();
    int x = 0;
    while (x < width) {
        while (x < width && (pixels[x] & kColourBits) == 0)
            ++x;
        if (x == width)
            break;
        const int start = x;
        while (x < width && (pixels[x] & kColourBits) != 0)
            ++x;
        runs.push_back({start, x});
    }
}

void emitBand(const std::vector<Run>& runs, int top, int bottom, std::vector<MaskRect>& out) {
    for (const Run& run : runs)
        out.push_back({run.start, top, run.end, bottom});
}

} // namespace

std::vector<MaskRect> RegionFromMask(int width, int height, const MaskRowReader& row) {
    std::vector<MaskRect> rects;
    if (width <= 0 || height <= 0)
        return rects;
    std::vector<Run> bandRuns;
    std::vector<Run> rowRuns;
    int bandTop = 0;
    for (int y = 0; y < height; ++y) {
        scanRow(row(y), width, rowRuns);
        if (y > 0 && rowRuns == bandRuns)
            continue;
        emitBand(bandRuns, bandTop, y, rects);
        bandRuns.swap(rowRuns);
        bandTop = y;
    }
    emitBand(bandRuns, bandTop, height, rects);
    return rects;
}

} // namespace vistrel
