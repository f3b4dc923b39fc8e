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
    // The title of every message box, whatever the language.
    QString MsgTitle;
};

} // namespace vistrel
