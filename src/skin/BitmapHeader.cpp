#include "skin/BitmapHeader.h"

#include <cstdlib>

namespace vistrel {

namespace {

std::uint32_t unsigned16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1]) << 8;
}

std::uint32_t unsigned32(std::string_view bytes, std::size_t at) {
    return unsigned16(bytes, at) | unsigned16(bytes, at + 2) << 16;
}

std::int64_t signed32(std::string_view bytes, std::size_t at) {
    return static_cast<std::int32_t>(unsigned32(bytes, at));
}

struct Layout {
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
};

constexpr std::size_t kFileHeader = 14;
constexpr std::uint32_t kCoreHeader = 12;
constexpr std::uint32_t kInfoHeader = 40;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;

// Rows are padded to whole 32-bit words.
std::uint64_t rowBytesOf(std::uint64_t width, std::uint32_t bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

bool readLayout(std::string_view head, Layout& layout) {
    const std::uint32_t infoSize = unsigned32(head, kFileHeader);
    if (infoSize == kCoreHeader && head.size() >= kFileHeader + kCoreHeader) {
        layout.width = unsigned16(head, 18);
        layout.height = unsigned16(head, 20);
        layout.bitsPerPixel = unsigned16(head, 24);
        return true;
    }
    if (infoSize >= kInfoHeader && head.size() >= kFileHeader + kInfoHeader) {
        layout.width = signed32(head, 18);
        layout.height = signed32(head, 22);
        layout.bitsPerPixel = unsigned16(head, 28);
        layout.compression = unsigned32(head, 30);
        layout.imageSize = unsigned32(head, 34);
        return true;
    }
    return false;
}

} // namespace

std::optional<PlainBitmap> plainBitmapLayout(std::string_view head, std::uint64_t fileSize,
                                             std::uint64_t maxPixels) {
    constexpr std::uint32_t kTrueColour = 24;
    if (head.size() < kFileHeader + kInfoHeader || head.substr(0, 2) != "BM" ||
        unsigned32(head, kFileHeader) < kInfoHeader || unsigned16(head, 26) != 1)
        return std::nullopt;
    Layout layout;
    if (!readLayout(head, layout) || layout.bitsPerPixel != kTrueColour ||
        layout.compression != kUncompressed || layout.width <= 0 || layout.height == 0)
        return std::nullopt;
    PlainBitmap plain;
    const auto width = static_cast<std::uint64_t>(layout.width);
    const auto height = static_cast<std::uint64_t>(std::llabs(layout.height));
    if (width * height > maxPixels)
        return std::nullopt;
    plain.width = static_cast<int>(width);
    plain.height = static_cast<int>(height);
    plain.topDown = layout.height < 0;
    plain.dataStart = unsigned32(head, 10);
    plain.rowBytes = rowBytesOf(width, kTrueColour);
    if (plain.dataStart < kFileHeader + unsigned32(head, kFileHeader) ||
        fileSize < plain.dataStart + plain.rowBytes * height)
        return std::nullopt;
    return plain;
}

bool bitmapDataTruncated(std::string_view head, std::uint64_t fileSize) {
    if (head.size() < kFileHeader + 4 || head.substr(0, 2) != "BM")
        return false;
    Layout layout;
    if (!readLayout(head, layout))
        return false;
    const std::uint64_t dataStart = unsigned32(head, 10);
    switch (layout.compression) {
    case kUncompressed:
    case kBitFields:
    case kAlphaBitFields: {
        // A negative height means top-down rows.
        const auto width = static_cast<std::uint64_t>(std::llabs(layout.width));
        const auto height = static_cast<std::uint64_t>(std::llabs(layout.height));
        const std::uint64_t rowBytes = rowBytesOf(width, layout.bitsPerPixel);
        return fileSize < dataStart + rowBytes * height;
    }
    case kRle8:
    case kRle4:
        return layout.imageSize != 0 && fileSize < dataStart + layout.imageSize;
    default:
        return false;
    }
}

} // namespace vistrel
