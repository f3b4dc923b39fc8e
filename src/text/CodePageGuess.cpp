#include "text/CodePageGuess.h"

#include "text/CaseFold.h"
#include "text/TextDecoding.h"
#include "text/TextEncoding.h"

#include <array>
#include <string>
#include <vector>

namespace vistrel {

namespace {

// Each reading of the text is judged by what its words look like: letters of one script, no
// symbol inside a word, no capital after a small letter, and accented letters that one language
// of the code page writes together. Windows-1252 reads a Polish "Pełny" as "Pe³ny" and "Zmień
// język" as "Zmieñ jêzyk" (a Spanish and a French letter in one text); Cyrillic and Greek read
// as Latin give words of accented letters only.

using HighHalf = std::array<char16_t, 128>; // bytes 0x80..0xFF; U+FFFD where the page has none

constexpr HighHalf kWindows1252 = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039,
    0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3,
    0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB,
    0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3,
    0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB,
    0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,
};
constexpr HighHalf kWindows1250 = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021, 0xFFFD, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};
constexpr HighHalf kWindows1251 = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};
constexpr HighHalf kWindows1253 = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0xFFFD, 0x2030, 0xFFFD, 0x2039,
    0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0xFFFD, 0x203A, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD, 0x00A0, 0x0385, 0x0386, 0x00A3,
    0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0xFFFD, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7, 0x0388, 0x0389, 0x038A, 0x00BB,
    0x038C, 0x00BD, 0x038E, 0x038F, 0x0390, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397,
    0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D, 0x039E, 0x039F, 0x03A0, 0x03A1, 0xFFFD, 0x03A3,
    0x03A4, 0x03A5, 0x03A6, 0x03A7, 0x03A8, 0x03A9, 0x03AA, 0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF,
    0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7, 0x03B8, 0x03B9, 0x03BA, 0x03BB,
    0x03BC, 0x03BD, 0x03BE, 0x03BF, 0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7,
    0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, 0xFFFD,
};

// The accented letters each language of a code page writes, in small letters.
constexpr std::string_view kWesternAlphabets[] = {
    "àâæçéèêëîïôœùûüÿ",   // French
    "äöüßé",              // German
    "áéíóúüñ",            // Spanish, Galician
    "àèéìíîòóùú",         // Italian
    "áàâãçéêíóôõú",       // Portuguese (no ü since its 1990 reform)
    "àçèéíïòóúü",         // Catalan
    "áàâäéèêëíïóòôöúùûü", // Dutch
    "æøåéóôò",            // Danish, Norwegian
    "åäöé",               // Swedish
    "åäöšž",              // Finnish
    "áðéíóúýþæö",         // Icelandic
    "çë",                 // Albanian
};
constexpr std::string_view kCentralAlphabets[] = {
    "ąćęłńóśźż",         // Polish
    "áčďéěíňóřšťúůýž",   // Czech
    "áäčďéíĺľňóôŕšťúýž", // Slovak
    "áéíóöőúüű",         // Hungarian
    "ăâîşţ",             // Romanian
    "čćđšž",             // Croatian, Bosnian, Slovenian
};

struct Candidate {
    CodePage page;
    const HighHalf* table;
    std::vector<std::u32string> alphabets; // none: every letter of its script belongs
};

std::u32string capitals(std::string_view utf8) {
    std::u32string out;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t letter = 0;
        pos += readUtf8(utf8, pos, letter);
        out.push_back(upperCaseLetter(letter));
    }
    return out;
}

template <std::size_t N> std::vector<std::u32string> capitals(const std::string_view (&list)[N]) {
    std::vector<std::u32string> out;
    for (const std::string_view alphabet : list)
        out.push_back(capitals(alphabet));
    return out;
}

const std::vector<Candidate>& candidates() {
    static const std::vector<Candidate> list = {
        {{"Windows-1252", "Western European"}, &kWindows1252, capitals(kWesternAlphabets)},
        {{"Windows-1250", "Central European"}, &kWindows1250, capitals(kCentralAlphabets)},
        {{"Windows-1251", "Cyrillic"}, &kWindows1251, {}},
        {{"Windows-1253", "Greek"}, &kWindows1253, {}},
    };
    return list;
}

enum class Script { None, Latin, Greek, Cyrillic };

Script scriptOf(char32_t c) {
    const bool latin1 = c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7;
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || latin1 || (c >= 0x100 && c <= 0x17F) ||
        c == 0x178)
        return Script::Latin;
    if (c == 0x386 || (c >= 0x388 && c <= 0x3CE && c != 0x38B && c != 0x38D && c != 0x3A2))
        return Script::Greek;
    if ((c >= 0x400 && c <= 0x45F) || c == 0x490 || c == 0x491)
        return Script::Cyrillic;
    return Script::None;
}

bool isSmall(char32_t c) {
    return scriptOf(c) != Script::None &&
           (upperCaseLetter(c) != c || c == 0xDF || c == 0x3C2 || c == 0x390 || c == 0x3B0 ||
            c == 0x131 || c == 0x491 || (c >= 0x3AC && c <= 0x3AF) || (c >= 0x3CC && c <= 0x3CE));
}

bool isCapital(char32_t c) {
    const bool caseless = c == 0x138 || c == 0x149 || c == 0x17F;
    return scriptOf(c) != Script::None && !isSmall(c) && !caseless;
}

// Marks that belong inside words: apostrophes, hyphens, the Catalan middle dot.
bool joinsWords(char32_t c) {
    return c == '\'' || c == '-' || c == 0x2019 || c == 0x2018 || c == 0xB7 || c == 0xAD ||
           c == 0x2010 || c == 0x2011;
}

struct Reading {
    int faults = 0;
    std::u32string accented; // the capitals of the accented letters the text uses
};

class Reader {
  public:
    explicit Reader(const HighHalf& table) : table_(table) {}

    Reading read(std::string_view bytes) {
        for (std::size_t i = 0; i < bytes.size(); ++i)
            step(at(bytes, i), i + 1 < bytes.size() ? at(bytes, i + 1) : U' ',
                 static_cast<unsigned char>(bytes[i]) >= 0x80);
        endWord();
        return reading_;
    }

  private:
    char32_t at(std::string_view bytes, std::size_t i) const {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        return byte < 0x80 ? char32_t(byte) : char32_t(table_[byte - 0x80]);
    }

    void step(char32_t c, char32_t next, bool high) {
        const Script script = scriptOf(c);
        if (script == Script::None) {
            const bool inside = previous_ != Script::None && scriptOf(next) != Script::None;
            if (high && (c == 0xFFFD || (inside && !joinsWords(c))))
                ++reading_.faults; // a byte the page lacks, or a symbol inside a word
            if (!(inside && joinsWords(c)))
                endWord();
            previous_ = Script::None;
            return;
        }
        letter(c, script, next, high);
    }

    void letter(char32_t c, Script script, char32_t next, bool high) {
        if (high && (isCapital(c) && previousSmall_))
            ++reading_.faults; // a capital after a small letter
        if (c == 0x3C2 && scriptOf(next) != Script::None)
            ++reading_.faults; // the final sigma inside a word
        // Letters hardly ever written: Greek "ΐ" and "ΰ", where Cyrillic has "А" and "а", and
        // Cyrillic "Ё" and "ё" (Russian leaves the dots out, other languages have no such
        // letter), where Greek has "¨" and "Έ".
        if (c == 0x390 || c == 0x3B0 || c == 0x401 || c == 0x451)
            ++reading_.faults;
        if (high) {
            const char32_t capital = upperCaseLetter(c);
            if (reading_.accented.find(capital) == std::u32string::npos)
                reading_.accented.push_back(capital);
            ++wordAccented_;
        }
        scripts_ |= 1u << static_cast<unsigned>(script);
        latinWord_ = latinWord_ || script == Script::Latin;
        ++wordLetters_;
        previous_ = script;
        previousSmall_ = isSmall(c);
    }

    void endWord() {
        const bool mixed = (scripts_ & (scripts_ - 1)) != 0;
        const bool onlyAccented = latinWord_ && wordLetters_ >= 2 && wordAccented_ == wordLetters_;
        if (mixed || onlyAccented)
            ++reading_.faults; // letters of two scripts, or Latin with no plain letter at all
        scripts_ = 0;
        wordLetters_ = wordAccented_ = 0;
        latinWord_ = previousSmall_ = false;
    }

    const HighHalf& table_;
    Reading reading_;
    Script previous_ = Script::None;
    bool previousSmall_ = false;
    bool latinWord_ = false;
    unsigned scripts_ = 0;
    int wordLetters_ = 0;
    int wordAccented_ = 0;
};

// One language of the code page writes every accented letter of the text.
bool oneLanguageWrites(const Candidate& candidate, const std::u32string& accented) {
    if (candidate.alphabets.empty())
        return true;
    for (const std::u32string& alphabet : candidate.alphabets) {
        bool all = true;
        for (const char32_t letter : accented)
            all = all && alphabet.find(letter) != std::u32string::npos;
        if (all)
            return true;
    }
    return false;
}

int doubts(const Candidate& candidate, std::string_view bytes) {
    const Reading reading = Reader(*candidate.table).read(bytes);
    // A text of several languages is possible, a symbol inside a word hardly: it counts double.
    return reading.faults + (oneLanguageWrites(candidate, reading.accented) ? 0 : 2);
}

} // namespace

std::optional<CodePage> otherCodePage(std::string_view bytes) {
    if (textEncoding(bytes) != TextEncoding::Windows1252)
        return std::nullopt;
    const std::vector<Candidate>& list = candidates();
    const int western = doubts(list.front(), bytes);
    if (western == 0)
        return std::nullopt;
    std::optional<CodePage> best;
    int fewest = western;
    for (std::size_t i = 1; i < list.size(); ++i) {
        const int own = doubts(list[i], bytes);
        // Another reading wins only when it is at least twice as sound.
        if (own < fewest && own * 2 < western) {
            fewest = own;
            best = list[i].page;
        }
    }
    return best;
}

} // namespace vistrel
