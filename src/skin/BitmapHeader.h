#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vistrel {

// Whether a Windows bitmap's pixel data would run past the end of its file, judged from the
// file's first bytes (the file and info headers) and its size. Picture readers fill such a
// picture up with whatever they like; a skin must not show it. Anything that is not a bitmap,
// or whose headers are too short to judge, is left to the reader (false).
bool bitmapDataTruncated(std::string_view head, std::uint64_t fileSize);

// Where the pixels of the commonest bitmap lie: an info header of 40 bytes or more, one plane,
// 24 bits per pixel, no compression. Rows hold blue, green, red per pixel, padded to whole 32-bit
// words, from the bottom row up unless topDown.
struct PlainBitmap {
    int width = 0;
    int height = 0;
    bool topDown = false;
    std::uint64_t dataStart = 0;
    std::uint64_t rowBytes = 0;
};

// The layout of such a bitmap when its pixels lie within the file and it has at most maxPixels
// pixels; nothing for any other picture (a general reader takes those).
std::optional<PlainBitmap> plainBitmapLayout(std::string_view head, std::uint64_t fileSize,
                                             std::uint64_t maxPixels);

} // namespace vistrel
