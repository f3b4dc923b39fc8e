#include "text/LineWrap.h"

namespace vistrel {

namespace {

// A byte that continues a multi-byte character.
bool continuesCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string wrapLongLines(std::string_view utf8, std::size_t width) {
    std::string out;
    out.reserve(utf8.size() + (width ? utf8.size() / width : 0));
    std::size_t line = 0;
    for (const char c : utf8) {
        if (c == '\n') {
            line = 0;
        } else if (!continuesCharacter(c)) {
            if (width > 0 && line == width) {
                out += '\n';
                line = 0;
            }
            ++line;
        }
        out += c;
    }
    return out;
}

} // namespace vistrel
