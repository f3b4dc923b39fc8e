#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace vistrel {

// Every key a language file may hold, with the program's own English text for it: the text
// shown when a disc's language file lacks the key.
struct LanguageKey {
    std::string_view section;
    std::string_view key;
    std::string_view english;
    // The text names a value in place of "%s" (a file, a folder, a skin, a component).
    bool takesValue;
};

inline constexpr auto LanguageKeys = std::to_array<LanguageKey>({
    {"Tooltip", "tipInstallCodec", "Install the codec (needed to show the video)", false},
    {"Tooltip", "tipInstallPlayer", "Install the video player (recommended)", false},
    {"Tooltip", "tipInfo", "More information...", false},
    {"Tooltip", "tipStartPlayer", "Start the movie", false},
    {"Tooltip", "tipExplore", "More content on this disc...", false},
    {"Tooltip", "tipExit", "Close Vistrel", false},
    {"Tooltip", "tipBackward", "Back", false},
    {"Tooltip", "tipForward", "Forward", false},
    {"Tooltip", "tipPlay", "Play", false},
    {"Tooltip", "tipPause", "Pause", false},
    {"Tooltip", "tipStop", "Stop", false},
    {"Tooltip", "tipMinimize", "Minimise", false},
    {"Tooltip", "tipMaximize", "Full screen", false},
    {"Tooltip", "tipClose", "Close", false},
    {"Menu", "mnuChooseLanguage", "Change language...", false},
    {"Menu", "mnuChooseSkin", "Change skin...", false},
    {"Menu", "mnuAbout", "About...", false},
    {"Menu", "mnuExit", "Close", false},
    {"ErrorMsg", "errFileNotFound", "The file %s was not found.", true},
    {"ErrorMsg", "errPathNotFound", "The folder %s was not found.", true},
    {"ErrorMsg", "errSkinNotFound", "The skin %s was not found.", true},
    {"ErrorMsg", "errSlideshow", "No pictures were found for the slideshow.", false},
    {"ErrorMsg", "errINIVersion",
     "The configuration file %s is of a version this program does not know.", true},
    {"ErrorMsg", "errCodecNotInstalled", "%s is not installed. Please install it first.", true},
    {"ErrorMsg", "errCannotStart", "The program %s could not be started.", true},
    {"ErrorMsg", "errFolderNotOpened", "The folder %s could not be opened. Please open it by hand.",
     true},
    {"ErrorMsg", "errFileNotOpened", "The file %s could not be opened. Please open it by hand.",
     true},
    {"ErrorMsg", "errCannotPlay", "The file %s cannot be played.", true},
});

// Code names a text by its key alone.
constexpr bool keysAreUnique() {
    for (std::size_t i = 0; i < LanguageKeys.size(); ++i)
        for (std::size_t j = i + 1; j < LanguageKeys.size(); ++j)
            if (LanguageKeys[i].key == LanguageKeys[j].key)
                return false;
    return true;
}
static_assert(keysAreUnique());

// The key's entry; null for a key no language file needs.
constexpr const LanguageKey* findLanguageKey(std::string_view section, std::string_view key) {
    for (const LanguageKey& entry : LanguageKeys)
        if (entry.section == section && entry.key == key)
            return &entry;
    return nullptr;
}

// A key of the table by its name (keys are unique across sections). Named in the code, it is
// found when the program is compiled: a misspelt key does not build.
class TextKey {
  public:
    consteval TextKey(const char* key) : index_(indexOf(key)) {}
    // A key named at run time, as a button's row names its tooltip; none when the table lacks it.
    static constexpr std::optional<TextKey> find(std::string_view key) {
        for (std::size_t i = 0; i < LanguageKeys.size(); ++i)
            if (LanguageKeys[i].key == key)
                return TextKey(i);
        return std::nullopt;
    }
    constexpr std::size_t index() const { return index_; }
    constexpr const LanguageKey& entry() const { return LanguageKeys[index_]; }

  private:
    constexpr explicit TextKey(std::size_t index) : index_(index) {}
    static consteval std::size_t indexOf(std::string_view key) {
        const std::optional<TextKey> found = find(key);
        if (!found)
            throw "no such language key"; // stops the build where the key is named
        return found->index_;
    }

    std::size_t index_;
};

} // namespace vistrel
