#pragma once

#include <string>
#include <vector>

namespace vistrel {

// Splits a configured parameter into program arguments the way a POSIX shell splits words,
// with quoting but without any expansion: blanks (space, tab, newline) separate words; single
// quotes keep everything literally; double quotes keep everything but a backslash before
// '"', '\', '$', '`' or a newline; a backslash outside quotes keeps the next character.
// '$', '`', ';', '|', '&', '*', '~' and the like stay plain text. An unterminated quote runs to
// the end of the text. Quotes make a word even when it is empty ("" gives one empty argument).
std::vector<std::string> splitShellWords(const std::string& text);

} // namespace vistrel
