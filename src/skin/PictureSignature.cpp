#include "skin/PictureSignature.h"

#include <array>
#include <utility>

namespace vistrel {

std::string_view pictureFormatOf(std::string_view head) {
    using namespace std::string_view_literals;
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 5> Signatures{{
        {"BM"sv, "bmp"sv},
        {"\x89PNG\r\n\x1a\n"sv, "png"sv},
        {"\xFF\xD8\xFF"sv, "jpeg"sv},
        {"GIF87a"sv, "gif"sv},
        {"GIF89a"sv, "gif"sv},
    }};
    for (const auto& [signature, format] : Signatures)
        if (head.starts_with(signature))
            return format;
    return {};
}

} // namespace vistrel
