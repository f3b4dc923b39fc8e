#pragma once

#include "text/TrimText.h"

#include <cstddef>
#include <string_view>

namespace vistrel {

// One meaningful line of a profile file: a section header or a "key = value" line, its name and
// value trimmed of the profile service's blanks. Other lines (blank, comments, text without "=")
// carry nothing.
struct ProfileLine {
    enum class Kind { Section, Value };
    Kind kind;
    std::string_view name;
    std::string_view value; // empty for a section
    std::size_t number;     // counted from 1
};

// The profile service's blanks: white space, plus CR and the DOS end-of-file mark ^Z, which turn
// up on old discs.
constexpr bool isProfileBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n' || c == 0x1A;
}

inline std::string_view trimProfileBlanks(std::string_view text) {
    return trimIf(text, isProfileBlank);
}

// Calls onLine for each section header and value line of the text, in order. Lines end at CR, LF
// or CR LF.
template <typename OnLine> void forEachProfileLine(std::string_view utf8Text, OnLine onLine) {
    std::size_t number = 0;
    std::size_t pos = 0;
    while (pos < utf8Text.size()) {
        std::size_t end = utf8Text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = utf8Text.size();
        const std::string_view line = trimProfileBlanks(utf8Text.substr(pos, end - pos));
        const bool crlf =
            end + 1 < utf8Text.size() && utf8Text[end] == '\r' && utf8Text[end + 1] == '\n';
        pos = end + (crlf ? 2 : 1);
        ++number;
        if (line.empty())
            continue;
        const std::size_t closing = line.rfind(']');
        if (line.front() == '[' && closing != std::string_view::npos) {
            onLine(ProfileLine{ProfileLine::Kind::Section,
                               trimProfileBlanks(line.substr(1, closing - 1)),
                               {},
                               number});
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos)
            onLine(ProfileLine{ProfileLine::Kind::Value, trimProfileBlanks(line.substr(0, equals)),
                               trimProfileBlanks(line.substr(equals + 1)), number});
    }
}

} // namespace vistrel
