#pragma once

#include <string>
#include <string_view>

namespace vistrel {

// Replaces every "%s" (exactly these two characters, left to right) with
// `value`. There are no other escapes, and the inserted value is never scanned
// again, so a "%s" inside it stays as it is.
std::string replacePlaceholder(std::string_view text, std::string_view value);

} // namespace vistrel
