#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

// The number of single-character insertions, deletions and substitutions that turn one name into
// the other, letter case ignored (ASCII), as a misspelt key is usually meant.
std::size_t editDistance(std::string_view first, std::string_view second);

// The candidate nearest to name, when it is near enough to be what was meant (at most two edits,
// or a third of the name's length for long names); empty otherwise.
std::string closestName(std::string_view name, const std::vector<std::string>& candidates);

} // namespace vistrel
