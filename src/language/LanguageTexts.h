#pragma once

#include <QString>

namespace vistrel {

// The 24 texts a language file supplies; empty until the first language is loaded.
struct LanguageTexts {
    QString ToolTipInstallCodec;
    QString ToolTipInstallPlayer;
    QString ToolTipInfo;
    QString ToolTipStartPlayer;
    QString ToolTipExplore;
    QString ToolTipExit;
    QString ToolTipBackward;
    QString ToolTipForward;
    QString ToolTipPlay;
    QString ToolTipPause;
    QString ToolTipStop;
    QString ToolTipMinimize;
    QString ToolTipMaximize;
    QString ToolTipClose;
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
};

} // namespace vistrel
