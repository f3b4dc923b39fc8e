#pragma once

#include <optional>
#include <string_view>

namespace vistrel {

// A Windows code page for people: its name ("Windows-1250") and what it writes ("Central
// European").
struct CodePage {
    std::string_view name;
    std::string_view script;
};

// The Windows code page 8-bit text was more likely saved in than Windows-1252, the one the
// program reads such text in: a file an author saved as "ANSI" on a Polish, Russian or Greek
// Windows. Nothing when Windows-1252 reads the text soundly, when no other code page reads it
// better, or when the text is not 8-bit (UTF-8, or a byte-order mark).
std::optional<CodePage> otherCodePage(std::string_view bytes);

} // namespace vistrel
