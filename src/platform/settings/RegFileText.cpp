#include "platform/settings/RegFileText.h"

#include "text/TextDecoding.h"

namespace vistrel {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";

char16_t unitAt(std::string_view bytes, std::size_t index) {
    const auto low = static_cast<unsigned char>(bytes[index * 2]);
    const auto high = static_cast<unsigned char>(bytes[index * 2 + 1]);
    return static_cast<char16_t>((high << 8) | low);
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

std::optional<std::string> utf16LeToUtf8(std::string_view bytes) {
    if (bytes.size() % 2 != 0) {
        return std::nullopt;
    }
    const std::size_t units = bytes.size() / 2;
    std::string out;
    out.reserve(units);
    for (std::size_t i = 0; i < units; ++i) {
        const char16_t unit = unitAt(bytes, i);
        if (isLowSurrogate(unit)) {
            return std::nullopt;
        }
        if (!isHighSurrogate(unit)) {
            appendUtf8(out, unit);
            continue;
        }
        if (i + 1 == units || !isLowSurrogate(unitAt(bytes, i + 1))) {
            return std::nullopt;
        }
        const char16_t next = unitAt(bytes, ++i);
        appendUtf8(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (next - 0xDC00));
    }
    return out;
}

std::optional<std::string> regFileText(std::string_view bytes) {
    if (bytes.starts_with(kUtf16LeBom)) {
        return utf16LeToUtf8(bytes.substr(kUtf16LeBom.size()));
    }
    if (bytes.starts_with(kUtf8Bom)) {
        bytes.remove_prefix(kUtf8Bom.size());
    }
    return std::string(bytes);
}

} // namespace vistrel
