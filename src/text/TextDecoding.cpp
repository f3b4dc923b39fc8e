#include "text/TextDecoding.h"

#include "text/TextEncoding.h"

#include <array>
#include <cstdint>

namespace vistrel {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves undefined
// map to the C1 control of the same value, as Windows' own conversion does.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t windows1252ToCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

} // namespace

std::size_t readUtf8(std::string_view text, std::size_t pos, char32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    std::size_t length = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        minimum = 0x80;
        codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        minimum = 0x800;
        codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        minimum = 0x10000;
        codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() - pos < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < minimum || codePoint > 0x10FFFF || surrogate) {
        return 0;
    }
    return length;
}

namespace {

std::string decodeUtf8Lenient(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        char32_t codePoint = 0;
        const std::size_t length = readUtf8(bytes, pos, codePoint);
        if (length == 0) {
            appendUtf8(out, kReplacement);
            ++pos;
        } else {
            out.append(bytes.substr(pos, length));
            pos += length;
        }
    }
    return out;
}

std::string decodeUtf16(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    auto unitAt = [&](std::size_t index) -> char16_t {
        const auto first = static_cast<unsigned char>(bytes[index * 2]);
        const auto second = static_cast<unsigned char>(bytes[index * 2 + 1]);
        return static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    };
    // A last odd byte cannot form a unit and is dropped.
    const std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        const char16_t unit = unitAt(i);
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (high && i + 1 < units) {
            const char16_t next = unitAt(i + 1);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (next - 0xDC00));
                ++i;
                continue;
            }
        }
        appendUtf8(out, (high || low) ? kReplacement : char32_t(unit));
    }
    return out;
}

std::string decodeWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char byte : bytes) {
        appendUtf8(out, windows1252ToCodePoint(static_cast<unsigned char>(byte)));
    }
    return out;
}

char codePointToWindows1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<char>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

} // namespace

void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        codePoint = kReplacement;
    }
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

bool isValidUtf8(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        char32_t codePoint = 0;
        const std::size_t length = readUtf8(bytes, pos, codePoint);
        if (length == 0) {
            return false;
        }
        pos += length;
    }
    return true;
}

std::string decodeText(std::string_view bytes) {
    switch (textEncoding(bytes)) {
    case TextEncoding::Utf8Bom:
        return decodeUtf8Lenient(bytes.substr(3));
    case TextEncoding::Utf16LittleEndian:
        return decodeUtf16(bytes.substr(2), false);
    case TextEncoding::Utf16BigEndian:
        return decodeUtf16(bytes.substr(2), true);
    case TextEncoding::Utf8:
        return std::string(bytes);
    case TextEncoding::Windows1252:
        break;
    }
    return decodeWindows1252(bytes);
}

std::string encodeWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t codePoint = 0;
        const std::size_t length = readUtf8(utf8, pos, codePoint);
        out.push_back(length == 0 ? '?' : codePointToWindows1252(codePoint));
        pos += length == 0 ? 1 : length;
    }
    return out;
}

std::size_t utf8Length(std::string_view utf8) {
    std::size_t count = 0;
    for (const char byte : utf8) {
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

std::string utf8Prefix(std::string_view utf8, std::size_t chars) {
    std::size_t seen = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++pos) {
        if ((static_cast<unsigned char>(utf8[pos]) & 0xC0) != 0x80) {
            if (seen == chars) {
                return std::string(utf8.substr(0, pos));
            }
            ++seen;
        }
    }
    return std::string(utf8);
}

} // namespace vistrel
