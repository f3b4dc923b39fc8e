#pragma once

#include <string>
#include <string_view>

namespace vistrel {

// The comparison form of a name that Windows matches without regard to case:
// letters are upper-cased (ASCII, Latin-1, Latin Extended-A, Greek and
// Cyrillic), everything else is kept. Two names match when their folded forms
// are equal.
std::string foldCase(std::string_view utf8);

} // namespace vistrel
