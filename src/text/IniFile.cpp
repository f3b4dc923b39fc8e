#include "text/IniFile.h"

#include "text/ProfileLines.h"
#include "text/TextDecoding.h"

#include <algorithm>
#include <cstdint>

namespace vistrel {

namespace {

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

std::size_t entryHash(std::size_t section, std::string_view key) {
    // Mixed so that the low bits, which pick the slot, depend on every bit.
    std::uint64_t hash = hashFolded(key) ^ (section * 0x9E3779B97F4A7C15ull);
    hash ^= hash >> 32;
    hash *= 0xD6E8FEB86659FD93ull;
    hash ^= hash >> 32;
    return static_cast<std::size_t>(hash);
}

} // namespace

IniFile IniFile::parse(std::string_view utf8Input) {
    IniFile file;
    file.text_ = std::make_shared<const std::string>(utf8Input);
    file.addSection("");
    forEachProfileLine(*file.text_, [&file](const ProfileLine& line) {
        if (line.kind == ProfileLine::Kind::Section)
            file.addSection(line.name);
        else
            file.addValue(line.name, line.value);
    });
    return file;
}

void IniFile::addSection(std::string_view name) {
    const auto [where, added] = sectionIndex_.try_emplace(name, sectionIndex_.size());
    current_ = added ? static_cast<std::ptrdiff_t>(where->second) : -1;
}

void IniFile::addValue(std::string_view key, std::string_view value) {
    if (current_ < 0) {
        return;
    }
    const auto section = static_cast<std::size_t>(current_);
    const std::size_t hash = entryHash(section, key);
    if (findEntry(section, key, hash) != nullptr) {
        return; // the first of a key counts
    }
    if ((entries_.size() + 1) * 2 > slots_.size()) {
        growSlots();
    }
    entries_.push_back({hash, section, key, value});
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = hash & mask;
    while (slots_[slot].index != 0) {
        slot = (slot + 1) & mask;
    }
    slots_[slot] = {hash, entries_.size()};
}

const IniFile::Entry* IniFile::findEntry(std::size_t section, std::string_view key,
                                         std::size_t hash) const {
    if (slots_.empty()) {
        return nullptr;
    }
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hash & mask; slots_[slot].index != 0; slot = (slot + 1) & mask) {
        if (slots_[slot].hash != hash) {
            continue;
        }
        const Entry& entry = entries_[slots_[slot].index - 1];
        if (entry.section == section && equalFolded(entry.key, key)) {
            return &entry;
        }
    }
    return nullptr;
}

void IniFile::growSlots() {
    slots_.assign(std::max<std::size_t>(16, slots_.size() * 2), Slot{});
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        std::size_t slot = entries_[i].hash & mask;
        while (slots_[slot].index != 0) {
            slot = (slot + 1) & mask;
        }
        slots_[slot] = {entries_[i].hash, i + 1};
    }
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const auto foundSection = sectionIndex_.find(trimProfileBlanks(section));
    if (foundSection == sectionIndex_.end()) {
        return std::nullopt;
    }
    const std::string_view name = trimProfileBlanks(key);
    const Entry* entry =
        findEntry(foundSection->second, name, entryHash(foundSection->second, name));
    if (entry == nullptr) {
        return std::nullopt;
    }
    return std::string(entry->value);
}

std::string readProfileString(const IniFile* file, std::string_view section, std::string_view key,
                              std::string_view defaultValue) {
    std::optional<std::string> found;
    // An empty key name never names a value; the service answers the default.
    if (file != nullptr && !trimProfileBlanks(key).empty()) {
        found = file->value(section, key);
    }
    const std::string_view result =
        found ? std::string_view(*found) : trimTrailingSpaces(defaultValue);
    return utf8Prefix(stripMatchingQuotes(result), kProfileValueLimit);
}

} // namespace vistrel
