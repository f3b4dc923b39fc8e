// Any bytes as a registry store file, as they are and as UTF-16 after a byte order mark: parsing
// must neither fail nor hang, whatever parses must write out text that reads back to the same
// hive, and that text exported as the registry editor does (UTF-16LE) must read the same too.
#include "platform/settings/RegFile.h"
#include "text/TextDecoding.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace vistrel;

namespace {

void appendUnit(std::string& out, std::uint32_t unit) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
}

// Valid UTF-8 as UTF-16LE with a byte order mark.
std::string toUtf16Le(std::string_view utf8) {
    std::string out = "\xFF\xFE";
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t codePoint = 0;
        pos += readUtf8(utf8, pos, codePoint);
        if (codePoint >= 0x10000) {
            appendUnit(out, 0xD800 + ((codePoint - 0x10000) >> 10));
            appendUnit(out, 0xDC00 + ((codePoint - 0x10000) & 0x3FF));
        } else {
            appendUnit(out, codePoint);
        }
    }
    return out;
}

void check(std::string_view bytes) {
    const auto hive = RegHive::parse(bytes);
    if (!hive) {
        return;
    }
    const std::string written = hive->serialize();
    const auto reread = RegHive::parse(written);
    if (!reread || !(*reread == *hive) || reread->serialize() != written) {
        std::abort();
    }
    if (isValidUtf8(written)) {
        const auto fromUtf16 = RegHive::parse(toUtf16Le(written));
        if (!fromUtf16 || !(*fromUtf16 == *hive)) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    check(bytes);
    check("\xFF\xFE" + std::string(bytes));
    return 0;
}
