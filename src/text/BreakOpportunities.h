#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vistrel {

// Laying out a line that offers no place to break takes time that grows with the square of its
// length: a document of one 500 000-character word freezes the window for many seconds. This
// puts an invisible break opportunity (U+200B) into every run of more than maxRun characters
// without white space. In markup, tags and character references are never split.
constexpr std::size_t MaxUnbrokenRun = 1000;

std::string breakLongRuns(std::string_view utf8, bool markup, std::size_t maxRun = MaxUnbrokenRun);

} // namespace vistrel
