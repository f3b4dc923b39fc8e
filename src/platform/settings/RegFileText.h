#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vistrel {

// The text of a store file as UTF-8. The registry editor exports UTF-16LE with a byte order mark;
// the program writes UTF-8 (a UTF-8 mark is skipped). Nothing when UTF-16 text is broken (an odd
// byte count, a lone surrogate): such a file is not what the editor wrote.
std::optional<std::string> regFileText(std::string_view bytes);

// UTF-16LE bytes as UTF-8; nothing when they are not well-formed UTF-16.
std::optional<std::string> utf16LeToUtf8(std::string_view bytes);

} // namespace vistrel
