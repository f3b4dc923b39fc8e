#pragma once

#include <string_view>

namespace vistrel {

// The encodings decodeText() tells apart, in the order it tries them; decodeText() reads by
// textEncoding(), so a check of a disc names the encoding the program will use.
enum class TextEncoding { Utf8Bom, Utf16LittleEndian, Utf16BigEndian, Utf8, Windows1252 };

// The encoding decodeText() reads these bytes in.
TextEncoding textEncoding(std::string_view bytes);

// A name for people: "UTF-8 with byte-order mark", "Windows-1252", ...
std::string_view encodingName(TextEncoding encoding);

} // namespace vistrel
