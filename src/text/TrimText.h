#pragma once

#include <string_view>

namespace vistrel {

// The text without the leading and trailing characters that isBlank picks; each rule names its
// own blanks.
template <typename IsBlank> std::string_view trimIf(std::string_view text, IsBlank isBlank) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace vistrel

namespace vistrel {

// Leading and trailing spaces removed; tabs and other white space stay, as the configuration's
// readers have always done.
inline std::string_view trimSpaces(std::string_view text) {
    return trimIf(text, [](char c) { return c == ' '; });
}

} // namespace vistrel
