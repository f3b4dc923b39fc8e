#include "text/IniNames.h"

#include "text/CaseFold.h"
#include "text/ProfileLines.h"

#include <unordered_set>

namespace vistrel {

namespace {

// Which sections and keys the reader has already taken, folded as it compares them.
class Seen {
  public:
    // False when the section was seen before: its keys are then shadowed.
    bool openSection(std::string_view name) {
        keys_.clear();
        return sections_.insert(foldCase(name)).second;
    }
    bool firstKey(std::string_view key) { return keys_.insert(foldCase(key)).second; }

  private:
    std::unordered_set<std::string> sections_{std::string()};
    std::unordered_set<std::string> keys_;
};

} // namespace

std::vector<IniName> listIniNames(std::string_view utf8Text) {
    std::vector<IniName> names;
    Seen seen;
    std::string_view section;
    bool sectionShadowed = false;
    forEachProfileLine(utf8Text, [&](const ProfileLine& line) {
        if (line.kind == ProfileLine::Kind::Section) {
            section = line.name;
            sectionShadowed = !seen.openSection(section);
            return;
        }
        IniName::Reach reach = IniName::Read;
        if (sectionShadowed)
            reach = IniName::InRepeatedSection;
        else if (!seen.firstKey(line.name))
            reach = IniName::RepeatedKey;
        names.push_back({section, line.name, line.number, reach});
    });
    return names;
}

} // namespace vistrel
