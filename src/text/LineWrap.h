#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vistrel {

// The text with a line break put in wherever a line would grow longer than width characters.
// A text view lays out each line as one paragraph, and a paragraph of many thousand characters
// takes far longer per character than short ones: markup shown as text is often one long line.
// Characters are counted, not bytes; a break never splits one.
std::string wrapLongLines(std::string_view utf8, std::size_t width);

} // namespace vistrel
