#include "text/TextEncoding.h"

#include "text/TextDecoding.h"

namespace vistrel {

TextEncoding textEncoding(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return TextEncoding::Utf8Bom;
    if (bytes.starts_with("\xFF\xFE"))
        return TextEncoding::Utf16LittleEndian;
    if (bytes.starts_with("\xFE\xFF"))
        return TextEncoding::Utf16BigEndian;
    return isValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

std::string_view encodingName(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8Bom:
        return "UTF-8 with byte-order mark";
    case TextEncoding::Utf16LittleEndian:
        return "UTF-16 little-endian (byte-order mark)";
    case TextEncoding::Utf16BigEndian:
        return "UTF-16 big-endian (byte-order mark)";
    case TextEncoding::Utf8:
        return "UTF-8";
    case TextEncoding::Windows1252:
        break;
    }
    return "Windows-1252";
}

} // namespace vistrel
