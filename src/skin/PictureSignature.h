#pragma once

#include <string_view>

namespace vistrel {

// The picture format a file's first bytes announce ("bmp", "png", "jpeg", "gif"), or empty.
// Naming the format spares the image reader from asking every format plug-in about the content,
// which loads them all: more than the rest of reading a skin takes.
std::string_view pictureFormatOf(std::string_view head);

} // namespace vistrel
