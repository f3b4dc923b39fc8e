#pragma once

#include "text/CaseFold.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vistrel {

// The profile service hands out at most this many characters of a value: its
// 2048-character buffer keeps the last place for the terminating zero.
inline constexpr std::size_t kProfileValueLimit = 2047;

// A parsed profile file (".ini" / ".lng"), read the way the Windows profile
// service reads one:
//  * CR LF, LF and CR end lines; blanks around each line are ignored;
//  * "[name]" opens a section (text after the last ']' is ignored, blanks
//    inside the brackets are not part of the name); keys before any section
//    belong to the section with the empty name;
//  * "key = value" gives a value, blanks around the key and the value dropped;
//    a line without '=' gives nothing; ';' has no meaning of its own, so a
//    "comment" is a line without '=' (or a key whose name starts with ';');
//  * names match without regard to case; when a section name appears twice
//    only its first section counts, and within it the first of a key counts.
class IniFile {
  public:
    static IniFile parse(std::string_view utf8Text);

    // The value as written in the file (blanks around it removed, quotes
    // kept), or nothing when the section or key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

  private:
    // Names and values are views into the file's own text, which the parsed
    // file keeps (shared, so copies stay cheap and views stay valid). All
    // values sit in one open-addressing table keyed by section number and key
    // name: large files have millions of keys, and node-based maps spend most
    // of the parse chasing pointers.
    struct Entry {
        std::size_t hash;
        std::size_t section;
        std::string_view key;
        std::string_view value;
    };

    void addSection(std::string_view name);
    void addValue(std::string_view key, std::string_view value);
    const Entry* findEntry(std::size_t section, std::string_view key, std::size_t hash) const;
    void growSlots();

    std::shared_ptr<const std::string> text_;
    std::unordered_map<std::string_view, std::size_t, FoldedHash, FoldedEqual> sectionIndex_;
    std::vector<Entry> entries_;
    // A slot holds an entry's hash beside its index (plus one; 0 = free), so
    // probing rarely has to look at the entry itself.
    struct Slot {
        std::size_t hash = 0;
        std::size_t index = 0;
    };
    std::vector<Slot> slots_;
    // Keys of a repeated section go nowhere; -1 stands for that.
    std::ptrdiff_t current_ = 0;
};

// The whole result of the profile service for one read: the value, or the
// default when the file (null: missing or unreadable), the section or the key
// is missing; a pair of matching quotes around the value removed; cut to
// kProfileValueLimit characters.
std::string readProfileString(const IniFile* file, std::string_view section, std::string_view key,
                              std::string_view defaultValue);

} // namespace vistrel
