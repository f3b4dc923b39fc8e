#pragma once

#include <string>
#include <string_view>

namespace vistrel {

// The markup with `type="text/css"` given to every `<link rel="stylesheet">` that names no type.
// Browsers apply such a link; the rich-text view applies only a link typed text/css. Comments
// are left as they are; a link that names a type, whatever it is, keeps it.
std::string typeStyleSheetLinks(std::string_view html);

} // namespace vistrel
