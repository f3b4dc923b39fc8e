#pragma once

#include "window/Buttons.h"

#include <QString>

#include <array>

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
    // The title of every message box, whatever the language.
    QString MsgTitle;
};

} // namespace vistrel
