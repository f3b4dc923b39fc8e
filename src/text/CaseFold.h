#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vistrel {

// The comparison form of a name that Windows matches without regard to case:
// letters are upper-cased (ASCII, Latin-1, Latin Extended-A, Greek and
// Cyrillic), everything else is kept. Two names match when their folded forms
// are equal.
std::string foldCase(std::string_view utf8);

// The capital of one letter of those scripts; anything else comes back unchanged.
char32_t upperCaseLetter(char32_t codePoint);

// The same comparison without building the folded text, for hash tables keyed
// by names as they stand in a file.
bool equalFolded(std::string_view first, std::string_view second);
std::size_t hashFolded(std::string_view utf8);

struct FoldedHash {
    std::size_t operator()(std::string_view utf8) const { return hashFolded(utf8); }
};

struct FoldedEqual {
    bool operator()(std::string_view first, std::string_view second) const {
        return equalFolded(first, second);
    }
};

} // namespace vistrel
