#include "language/LanguageLoader.h"

#include "platform/FilePaths.h"
#include "platform/Log.h"
#include "platform/MessageBoxes.h"
#include "platform/ReadIni.h"
#include "platform/Registry.h"

namespace vistrel {

LanguageLoader::LanguageLoader(QString languageFolder, Registry& registry, MessageBoxes& messages)
    : folder_(std::move(languageFolder)), registry_(registry), messages_(messages) {}

bool LanguageLoader::LoadLanguage(const QString& name) {
    const QString path = joinPath(folder_, name + QStringLiteral(".lng"));
    if (!isExistingFile(path)) {
        messages_.showError("Error",
                            "File " + path + " not found. Cannot load language definitions.");
        return false;
    }
    readTexts(path);
    emit loaded(texts_);
    QStringList tips;
    for (const ButtonRow& row : Buttons)
        if (row.toolTipKey)
            tips.append(texts_.ToolTips[static_cast<std::size_t>(row.id)]);
    qCInfo(logLanguage).noquote() << "tooltips:" << tips.join(QLatin1String(" | "));
    registry_.WriteRegistryValue(RegistryRoot::CurrentUser, RegistryKey, "Language",
                                 RegistryValue::fromText(name));
    qCInfo(logLanguage).noquote() << "language:" << name;
    return true;
}

// Tooltips by the keys of the table of buttons, then the menu's captions and the messages.
void LanguageLoader::readTexts(const QString& path) {
    LanguageTexts& t = texts_;
    for (const ButtonRow& row : Buttons)
        if (row.toolTipKey)
            t.ToolTips[static_cast<std::size_t>(row.id)] =
                ReadIni("Tooltip", row.toolTipKey, "", path);
    auto menu = [&](const char* key) { return ReadIni("Menu", key, "", path); };
    t.CaptionChooseLanguage = menu("mnuChooseLanguage");
    t.CaptionChooseSkin = menu("mnuChooseSkin");
    t.CaptionAbout = menu("mnuAbout");
    t.CaptionExit = menu("mnuExit");
    t.MsgTitle = "Vistrel";
    auto err = [&](const char* key) { return ReadIni("ErrorMsg", key, "", path); };
    t.MsgFileNotFound = err("errFileNotFound");
    t.MsgPathNotFound = err("errPathNotFound");
    t.MsgSkinNotFound = err("errSkinNotFound");
    t.MsgSlideshow = err("errSlideshow");
    t.MsgIniVersion = err("errINIVersion");
    t.MsgCodecNotInstalled = err("errCodecNotInstalled");
}

} // namespace vistrel
