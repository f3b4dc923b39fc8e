#pragma once

#include <cstdint>
#include <string_view>

namespace vistrel {

// Whether a Windows bitmap's pixel data would run past the end of its file, judged from the
// file's first bytes (the file and info headers) and its size. Picture readers fill such a
// picture up with whatever they like; a skin must not show it. Anything that is not a bitmap,
// or whose headers are too short to judge, is left to the reader (false).
bool bitmapDataTruncated(std::string_view head, std::uint64_t fileSize);

} // namespace vistrel
