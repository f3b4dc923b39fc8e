#include "text/CaseFold.h"

#include "text/TextDecoding.h"

#include <cstdint>

namespace vistrel {

namespace {

char32_t upperLatin(char32_t c) {
    if (c == 0xFF) {
        return 0x178; // y with diaeresis has its capital outside Latin-1
    }
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
        return c - 0x20;
    }
    // Latin Extended-A pairs capital/small as even/odd, except around the
    // dotless i and the middle of the block, where the pairs start on odd.
    const bool evenPairs =
        (c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
    const bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if ((evenPairs && c % 2 == 1) || (oddPairs && c % 2 == 0)) {
        return c - 1;
    }
    return c;
}

char32_t upperCase(char32_t c) {
    if (c >= 'a' && c <= 'z') {
        return c - 0x20;
    }
    if (c < 0x80) {
        return c;
    }
    if (c <= 0x17F) {
        return upperLatin(c);
    }
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) {
        return c - 0x20; // Greek small letters
    }
    if (c >= 0x430 && c <= 0x44F) {
        return c - 0x20; // Cyrillic small letters
    }
    if (c >= 0x450 && c <= 0x45F) {
        return c - 0x50;
    }
    return c;
}

} // namespace

char32_t upperCaseLetter(char32_t codePoint) {
    return upperCase(codePoint);
}

namespace {

// The folded code point at `pos`, moving `pos` past it. A byte that is not
// UTF-8 yields a value above every code point, so it only equals itself.
char32_t nextFolded(std::string_view utf8, std::size_t& pos) {
    const auto byte = static_cast<unsigned char>(utf8[pos]);
    if (byte < 0x80) {
        ++pos;
        return upperCase(byte);
    }
    char32_t codePoint = 0;
    const std::size_t length = readUtf8(utf8, pos, codePoint);
    if (length == 0) {
        ++pos;
        return 0x110000 + byte;
    }
    pos += length;
    return upperCase(codePoint);
}

} // namespace

bool equalFolded(std::string_view first, std::string_view second) {
    std::size_t firstPos = 0;
    std::size_t secondPos = 0;
    while (firstPos < first.size() && secondPos < second.size()) {
        if (nextFolded(first, firstPos) != nextFolded(second, secondPos)) {
            return false;
        }
    }
    return firstPos == first.size() && secondPos == second.size();
}

std::size_t hashFolded(std::string_view utf8) {
    // FNV-1a over the folded code points.
    std::uint64_t hash = 14695981039346656037ull;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        hash = (hash ^ nextFolded(utf8, pos)) * 1099511628211ull;
    }
    return static_cast<std::size_t>(hash);
}

std::string foldCase(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto byte = static_cast<unsigned char>(utf8[pos]);
        if (byte < 0x80) {
            out.push_back(static_cast<char>(upperCase(byte)));
            ++pos;
            continue;
        }
        char32_t codePoint = 0;
        const std::size_t length = readUtf8(utf8, pos, codePoint);
        if (length == 0) {
            out.push_back(utf8[pos]); // not text: kept byte for byte
            ++pos;
            continue;
        }
        appendUtf8(out, upperCase(codePoint));
        pos += length;
    }
    return out;
}

} // namespace vistrel
