#include "language/LanguageLoader.h"

#include "app/Core.h"
#include "platform/FilePaths.h"
#include "platform/Log.h"
#include "platform/MessageBoxes.h"
#include "platform/ReadIni.h"
#include "platform/Registry.h"

#include <QAction>
#include <QMenu>

namespace vistrel {

QString LanguageLoader::languageFilePath(const QString& appPath, const QString& name) {
    return joinPath(appPath, QStringLiteral("Language/") + name + QStringLiteral(".lng"));
}

bool LanguageLoader::LoadLanguage(const QString& name) {
    const QString path = languageFilePath(core_.state.AppPath, name);
    if (!isExistingFile(path)) {
        core_.services.messages.showError(
            "Error", "File " + path + " not found. Cannot load language definitions.");
        return false;
    }
    readTexts(path);
    applyTexts();
    core_.services.registry.WriteRegistryValue(RegistryRoot::CurrentUser, RegistryKey, "Language",
                                               RegistryValue::fromText(name));
    qCInfo(logLanguage).noquote() << "language:" << name;
    return true;
}

void LanguageLoader::readTexts(const QString& path) {
    LanguageTexts& t = core_.texts;
    auto tip = [&](const char* key) { return ReadIni("Tooltip", key, "", path); };
    t.ToolTipInstallCodec = tip("tipInstallCodec");
    t.ToolTipInstallPlayer = tip("tipInstallPlayer");
    t.ToolTipInfo = tip("tipInfo");
    t.ToolTipStartPlayer = tip("tipStartPlayer");
    t.ToolTipExplore = tip("tipExplore");
    t.ToolTipExit = tip("tipExit");
    t.ToolTipBackward = tip("tipBackward");
    t.ToolTipForward = tip("tipForward");
    t.ToolTipPlay = tip("tipPlay");
    t.ToolTipPause = tip("tipPause");
    t.ToolTipStop = tip("tipStop");
    t.ToolTipMinimize = tip("tipMinimize");
    t.ToolTipMaximize = tip("tipMaximize");
    t.ToolTipClose = tip("tipClose");
    auto menu = [&](const char* key) { return ReadIni("Menu", key, "", path); };
    t.CaptionChooseLanguage = menu("mnuChooseLanguage");
    t.CaptionChooseSkin = menu("mnuChooseSkin");
    t.CaptionAbout = menu("mnuAbout");
    t.CaptionExit = menu("mnuExit");
    core_.state.MsgTitle = "Vistrel";
    auto err = [&](const char* key) { return ReadIni("ErrorMsg", key, "", path); };
    t.MsgFileNotFound = err("errFileNotFound");
    t.MsgPathNotFound = err("errPathNotFound");
    t.MsgSkinNotFound = err("errSkinNotFound");
    t.MsgSlideshow = err("errSlideshow");
    t.MsgIniVersion = err("errINIVersion");
    t.MsgCodecNotInstalled = err("errCodecNotInstalled");
}

void LanguageLoader::applyTexts() {
    const LanguageTexts& t = core_.texts;
    MainDialog& w = core_.dialog();
    w.btnInstallCodec->setToolTip(t.ToolTipInstallCodec);
    w.btnInstallPlayer->setToolTip(t.ToolTipInstallPlayer);
    w.btnInfo->setToolTip(t.ToolTipInfo);
    w.btnStartPlayer->setToolTip(t.ToolTipStartPlayer);
    w.btnExplore->setToolTip(t.ToolTipExplore);
    w.btnExit->setToolTip(t.ToolTipExit);
    w.btnBackward->setToolTip(t.ToolTipBackward);
    w.btnForward->setToolTip(t.ToolTipForward);
    w.btnPlay->setToolTip(t.ToolTipPlay);
    w.btnPause->setToolTip(t.ToolTipPause);
    w.btnStop->setToolTip(t.ToolTipStop);
    w.btnMinimize->setToolTip(t.ToolTipMinimize);
    w.btnMaximize->setToolTip(t.ToolTipMaximize);
    w.btnClose->setToolTip(t.ToolTipClose);
    w.mnuChooseLanguage->setTitle(t.CaptionChooseLanguage);
    w.mnuChooseSkin->setTitle(t.CaptionChooseSkin);
    w.mnuAbout->setText(t.CaptionAbout);
    w.mnuExit->setText(t.CaptionExit);
    const QStringList tips{t.ToolTipInstallCodec, t.ToolTipInstallPlayer, t.ToolTipInfo,
                           t.ToolTipStartPlayer,  t.ToolTipExplore,       t.ToolTipExit,
                           t.ToolTipBackward,     t.ToolTipForward,       t.ToolTipPlay,
                           t.ToolTipPause,        t.ToolTipStop,          t.ToolTipMinimize,
                           t.ToolTipMaximize,     t.ToolTipClose};
    qCInfo(logLanguage).noquote() << "tooltips:" << tips.join(QLatin1String(" | "));
}

} // namespace vistrel
