#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vistrel {

// Turns the bytes of a disc text file into UTF-8. A UTF-8 BOM is skipped, a
// UTF-16 BOM (either byte order) selects UTF-16, bytes that already form valid
// UTF-8 are kept, and anything else is Windows-1252, the code page the disc
// files were written in.
std::string decodeText(std::string_view bytes);

// Windows-1252 bytes for UTF-8 text; characters without a place in the code
// page (and broken UTF-8) become '?'.
std::string encodeWindows1252(std::string_view utf8);

bool isValidUtf8(std::string_view bytes);

// Number of characters (code points) in UTF-8 text.
std::size_t utf8Length(std::string_view utf8);

// The first `chars` characters, never splitting a multi-byte sequence.
std::string utf8Prefix(std::string_view utf8, std::size_t chars);

// Reads one UTF-8 sequence at `pos`: its length, or 0 when the bytes there are
// not well-formed UTF-8 (overlong forms and surrogates included).
std::size_t readUtf8(std::string_view text, std::size_t pos, char32_t& codePoint);

// Appends the UTF-8 form of one code point (U+FFFD for values that are not
// characters).
void appendUtf8(std::string& out, char32_t codePoint);

} // namespace vistrel
