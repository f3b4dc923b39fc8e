// The outline of arbitrary masks: every opaque pixel covered exactly once, bands sorted,
// runs of a band apart from each other. Also the bitmap truncation test and the plain bitmap's
// layout on arbitrary headers.
#include "skin/BitmapHeader.h"
#include "skin/RegionFromMask.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

using vistrel::MaskRect;

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

void checkRegion(const std::vector<std::uint32_t>& pixels, int width, int height) {
    const std::vector<MaskRect> rects = vistrel::RegionFromMask(
        width, height, [&](int y) { return pixels.data() + static_cast<std::size_t>(y) * width; });
    std::vector<int> cover(pixels.size(), 0);
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const MaskRect& r = rects[i];
        check(r.left >= 0 && r.left < r.right && r.right <= width);
        check(r.top >= 0 && r.top < r.bottom && r.bottom <= height);
        if (i > 0) {
            const MaskRect& p = rects[i - 1];
            check(p.top == r.top ? (p.bottom == r.bottom && p.right < r.left) : p.bottom <= r.top);
        }
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                ++cover[static_cast<std::size_t>(y) * width + x];
    }
    for (std::size_t i = 0; i < pixels.size(); ++i)
        check(cover[i] == ((pixels[i] & 0xFFFFFFu) != 0 ? 1 : 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vistrel::bitmapDataTruncated(bytes, size);
    // A plain bitmap's layout, when one is given, lies within the file and the pixel limit.
    if (const auto plain = vistrel::plainBitmapLayout(bytes, size, 4096)) {
        check(plain->width > 0 && plain->height > 0);
        check(std::uint64_t(plain->width) * std::uint64_t(plain->height) <= 4096);
        check(plain->rowBytes >= std::uint64_t(plain->width) * 3 && plain->rowBytes % 4 == 0);
        check(plain->dataStart + plain->rowBytes * std::uint64_t(plain->height) <= size);
    }
    if (size < 2)
        return 0;
    // Two bytes of size, then one byte per pixel picking from a few colours near black.
    const int width = data[0] % 80;
    const int height = data[1] % 40;
    static const std::uint32_t palette[] = {0, 0xFFFFFF, 1, 0x100, 0x10000, 0xFF000000};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = 2 + i < size ? palette[data[2 + i] % 6] : 0;
    checkRegion(pixels, width, height);
    return 0;
}
