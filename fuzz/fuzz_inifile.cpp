// Any bytes as a profile file: decoding and parsing must neither fail nor hang,
// and every answer keeps within the profile service's limit; the code page judged too.
#include "text/CodePageGuess.h"
#include "text/IniFile.h"
#include "text/TextDecoding.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace vistrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = decodeText(bytes);
    // The check's judgement of the code page reads the same bytes.
    if (const auto page = otherCodePage(bytes); page && page->name.empty()) {
        std::abort();
    }
    if (!isValidUtf8(text)) {
        std::abort();
    }
    const IniFile ini = IniFile::parse(text);
    constexpr std::string_view kSections[] = {"", "Main", "main", "Player", "Tooltip"};
    constexpr std::string_view kKeys[] = {"Skin", "Movie", "", "a", ";"};
    for (const auto section : kSections) {
        for (const auto key : kKeys) {
            const std::string value = readProfileString(&ini, section, key, "default");
            if (utf8Length(value) > kProfileValueLimit || !isValidUtf8(value)) {
                std::abort();
            }
        }
    }
    return 0;
}
