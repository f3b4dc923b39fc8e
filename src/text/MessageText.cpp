#include "text/MessageText.h"

namespace vistrel {

std::string replacePlaceholder(std::string_view text, std::string_view value) {
    constexpr std::string_view placeholder = "%s";
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (true) {
        const std::size_t found = text.find(placeholder, pos);
        if (found == std::string_view::npos) {
            out.append(text.substr(pos));
            return out;
        }
        out.append(text.substr(pos, found - pos));
        out.append(value);
        pos = found + placeholder.size();
    }
}

} // namespace vistrel
