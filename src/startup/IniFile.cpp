#include "startup/IniFile.h"

#include "startup/CaseFold.h"
#include "startup/TextDecoding.h"

namespace vistrel {

namespace {

// The profile service's blanks: white space, plus CR and the DOS end-of-file
// mark ^Z, which turn up on old discs.
bool isProfileBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n' || c == 0x1A;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isProfileBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isProfileBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view stripMatchingQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// The profile service drops trailing spaces (only spaces) of the default.
std::string_view trimTrailingSpaces(std::string_view text) {
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// Where the line starting at `pos` ends (its CR or LF, or the end of the text).
std::size_t lineEnd(std::string_view text, std::size_t pos) {
    const std::size_t end = text.find_first_of("\r\n", pos);
    return end == std::string_view::npos ? text.size() : end;
}

std::size_t nextLineStart(std::string_view text, std::size_t end) {
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
        return end + 2;
    }
    return end + 1;
}

} // namespace

IniFile IniFile::parse(std::string_view utf8Text) {
    IniFile file;
    file.addSection("");
    std::size_t pos = 0;
    while (pos < utf8Text.size()) {
        const std::size_t end = lineEnd(utf8Text, pos);
        const std::string_view line = trimBlanks(utf8Text.substr(pos, end - pos));
        pos = nextLineStart(utf8Text, end);
        if (line.empty()) {
            continue;
        }
        const std::size_t closing = line.rfind(']');
        if (line.front() == '[' && closing != std::string_view::npos) {
            file.addSection(trimBlanks(line.substr(1, closing - 1)));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos) {
            file.addValue(trimBlanks(line.substr(0, equals)), trimBlanks(line.substr(equals + 1)));
        }
    }
    return file;
}

void IniFile::addSection(std::string_view name) {
    const auto [where, added] = sectionIndex_.try_emplace(foldCase(name), sections_.size());
    if (added) {
        sections_.emplace_back();
        current_ = static_cast<std::ptrdiff_t>(where->second);
    } else {
        current_ = -1;
    }
}

void IniFile::addValue(std::string_view key, std::string_view value) {
    if (current_ >= 0) {
        sections_[static_cast<std::size_t>(current_)].try_emplace(foldCase(key), value);
    }
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const auto foundSection = sectionIndex_.find(foldCase(trimBlanks(section)));
    if (foundSection == sectionIndex_.end()) {
        return std::nullopt;
    }
    const Keys& keys = sections_[foundSection->second];
    const auto foundKey = keys.find(foldCase(trimBlanks(key)));
    if (foundKey == keys.end()) {
        return std::nullopt;
    }
    return foundKey->second;
}

std::string readProfileString(const IniFile* file, std::string_view section, std::string_view key,
                              std::string_view defaultValue) {
    std::optional<std::string> found;
    // An empty key name never names a value; the service answers the default.
    if (file != nullptr && !trimBlanks(key).empty()) {
        found = file->value(section, key);
    }
    const std::string_view result =
        found ? std::string_view(*found) : trimTrailingSpaces(defaultValue);
    return utf8Prefix(stripMatchingQuotes(result), kProfileValueLimit);
}

} // namespace vistrel
