#include "skin/RegionFromMask.h"

#include <bit>
#include <cstddef>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VISTREL_MASK_SSE2
#endif

namespace vistrel {

namespace {

constexpr std::uint32_t kColourBits = 0x00FFFFFFu;

struct Run {
    int start;
    int end; // exclusive

    friend bool operator==(const Run&, const Run&) = default;
};

// Walks one row, remembering where the current run started.
class RowScanner {
  public:
    explicit RowScanner(std::vector<Run>& runs) : runs_(runs) { runs_.clear(); }

    // Pixel x is black or not; a change of state opens or closes a run.
    void pixel(int x, bool black) {
        if (black == inRun_)
            toggle(x);
    }

    // count pixels from x on (at most 64), bit i set when pixel x + i is black.
    void block(int x, std::uint64_t black, int count) {
        const std::uint64_t all = count == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
        int from = 0;
        for (;;) {
            // The pixels that would change the state: black ones inside a run, opaque ones
            // outside; only those at or after the last change count.
            const std::uint64_t changes = ((inRun_ ? black : ~black) & all) >> from << from;
            if (changes == 0)
                return;
            from = std::countr_zero(changes);
            toggle(x + from);
        }
    }

    // The column past the edge closes an open run.
    void finish(int width) {
        if (inRun_)
            runs_.push_back({start_, width});
    }

  private:
    void toggle(int x) {
        if (inRun_)
            runs_.push_back({start_, x});
        else
            start_ = x;
        inRun_ = !inRun_;
    }

    std::vector<Run>& runs_;
    bool inRun_ = false;
    int start_ = 0;
};

bool isBlack(std::uint32_t pixel) {
    return (pixel & kColourBits) == 0;
}

#ifdef VISTREL_MASK_SSE2
// Bit i set when pixels[i] is black, for sixteen pixels.
std::uint64_t blackBits16(const std::uint32_t* pixels) {
    const __m128i colour = _mm_set1_epi32(static_cast<int>(kColourBits));
    const __m128i zero = _mm_setzero_si128();
    auto blackOf4 = [&](int i) {
        const auto* at =
            reinterpret_cast<const __m128i*>(pixels + static_cast<std::ptrdiff_t>(i) * 4);
        return _mm_cmpeq_epi32(_mm_and_si128(_mm_loadu_si128(at), colour), zero);
    };
    const __m128i low = _mm_packs_epi32(blackOf4(0), blackOf4(1));
    const __m128i high = _mm_packs_epi32(blackOf4(2), blackOf4(3));
    return static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_packs_epi16(low, high)));
}
#else
std::uint64_t blackBits16(const std::uint32_t* pixels) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 16; ++i)
        bits |= static_cast<std::uint64_t>(isBlack(pixels[i])) << i;
    return bits;
}
#endif

std::uint64_t blackBits64(const std::uint32_t* pixels) {
    return blackBits16(pixels) | blackBits16(pixels + 16) << 16 | blackBits16(pixels + 32) << 32 |
           blackBits16(pixels + 48) << 48;
}

// The opaque runs of one row, many pixels at a time where it can.
void scanRow(const std::uint32_t* pixels, int width, std::vector<Run>& runs) {
    RowScanner scanner(runs);
    int x = 0;
    for (; x + 64 <= width; x += 64)
        scanner.block(x, blackBits64(pixels + x), 64);
    for (; x + 16 <= width; x += 16)
        scanner.block(x, blackBits16(pixels + x), 16);
    for (; x < width; ++x)
        scanner.pixel(x, isBlack(pixels[x]));
    scanner.finish(width);
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
    const auto rowBytes = static_cast<std::size_t>(width) * sizeof(std::uint32_t);
    std::vector<Run> bandRuns;
    std::vector<Run> rowRuns;
    int bandTop = 0;
    const std::uint32_t* previous = nullptr;
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* pixels = row(y);
        // An outline's rows mostly repeat the row above; comparing the bytes is far cheaper
        // than finding the runs again.
        const bool sameAsAbove = previous != nullptr && previous != pixels &&
                                 std::memcmp(previous, pixels, rowBytes) == 0;
        previous = pixels;
        if (sameAsAbove)
            continue;
        scanRow(pixels, width, rowRuns);
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
