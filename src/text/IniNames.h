#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace vistrel {

// One "key = value" line of a profile file, named as it stands, with what the reader makes of it.
struct IniName {
    std::string_view section; // empty for keys before any section
    std::string_view key;
    std::size_t line = 0; // counted from 1
    // The reader never sees a key of a section that appeared before, nor a key again in one.
    enum Reach { Read, InRepeatedSection, RepeatedKey };
    Reach reach = Read;
};

// Every key line of the text, in file order, by the same line rules as IniFile::parse. The
// names are views into utf8Text.
std::vector<IniName> listIniNames(std::string_view utf8Text);

} // namespace vistrel
