#pragma once

#include "window/Buttons.h"

#include <QString>

#include <array>
#include <string_view>
#include <utility>

namespace vistrel {

// The texts a language file supplies; empty until the first language is loaded.
struct LanguageTexts {
    // Each button's tooltip, by the button's place in the table; empty for a button without one.
    std::array<QString, Buttons.size()> ToolTips;
    QString CaptionChooseLanguage;
    QString CaptionChooseSkin;
    QString CaptionAbout;
    QString CaptionExit;
    QString MsgFileNotFound;
    QString MsgPathNotFound;
    QString MsgSkinNotFound;
    QString MsgSlideshow;
    QString MsgIniVersion;
    QString MsgCodecNotInstalled;
    // A program found on the disc that the system refuses to start (the value: its path).
    QString MsgCannotStart;
    // A folder found on the disc that the desktop cannot show (the value: where it is).
    QString MsgFolderNotOpened;
    // A file on the disc that no program of the system opens (the value: where it is).
    QString MsgFileNotOpened;
    // A movie or music file that is no film or sound the player can read (the value: its path).
    QString MsgCannotPlay;
    // The title of every message box, whatever the language.
    QString MsgTitle;
};

// Where the text of a language file's key goes; null for a key the texts do not hold.
inline QString* textOf(LanguageTexts& texts, std::string_view section, std::string_view key) {
    if (section == "Tooltip") {
        for (const ButtonRow& row : Buttons)
            if (row.toolTipKey && key == row.toolTipKey)
                return &texts.ToolTips[static_cast<std::size_t>(row.id)];
        return nullptr;
    }
    static constexpr std::pair<std::string_view, QString LanguageTexts::*> fields[] = {
        {"mnuChooseLanguage", &LanguageTexts::CaptionChooseLanguage},
        {"mnuChooseSkin", &LanguageTexts::CaptionChooseSkin},
        {"mnuAbout", &LanguageTexts::CaptionAbout},
        {"mnuExit", &LanguageTexts::CaptionExit},
        {"errFileNotFound", &LanguageTexts::MsgFileNotFound},
        {"errPathNotFound", &LanguageTexts::MsgPathNotFound},
        {"errSkinNotFound", &LanguageTexts::MsgSkinNotFound},
        {"errSlideshow", &LanguageTexts::MsgSlideshow},
        {"errINIVersion", &LanguageTexts::MsgIniVersion},
        {"errCodecNotInstalled", &LanguageTexts::MsgCodecNotInstalled},
        {"errCannotStart", &LanguageTexts::MsgCannotStart},
        {"errFolderNotOpened", &LanguageTexts::MsgFolderNotOpened},
        {"errFileNotOpened", &LanguageTexts::MsgFileNotOpened},
        {"errCannotPlay", &LanguageTexts::MsgCannotPlay},
    };
    for (const auto& [name, field] : fields)
        if (name == key)
            return &(texts.*field);
    return nullptr;
}

} // namespace vistrel
