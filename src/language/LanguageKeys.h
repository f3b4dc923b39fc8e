#pragma once

#include <array>
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

inline constexpr std::array<LanguageKey, 28> LanguageKeys{{
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
}};

// The key's entry; null for a key no language file needs.
constexpr const LanguageKey* findLanguageKey(std::string_view section, std::string_view key) {
    for (const LanguageKey& entry : LanguageKeys)
        if (entry.section == section && entry.key == key)
            return &entry;
    return nullptr;
}

} // namespace vistrel
