#include "doubles/TestWindow.h"

namespace vistrel::test {

TestWindow::TestWindow()
    : window([this](QWidget* parent) { return player = new FakeMediaPlayerControl(parent); },
             [this](QWidget* parent) { return document = new FakeDocumentView(parent); }) {}

LanguageTexts namedTexts(const QString& language) {
    LanguageTexts texts;
    auto named = [&language](const char* key) { return language + " " + key; };
    for (const ButtonRow& row : Buttons)
        if (row.toolTipKey)
            texts.ToolTips[static_cast<std::size_t>(row.id)] = named(row.toolTipKey);
    texts.CaptionChooseLanguage = named("mnuChooseLanguage");
    texts.CaptionChooseSkin = named("mnuChooseSkin");
    texts.CaptionAbout = named("mnuAbout");
    texts.CaptionExit = named("mnuExit");
    auto message = [&named](const char* key) { return named(key) + " %s"; };
    texts.MsgFileNotFound = message("errFileNotFound");
    texts.MsgPathNotFound = message("errPathNotFound");
    texts.MsgSkinNotFound = message("errSkinNotFound");
    texts.MsgSlideshow = message("errSlideshow");
    texts.MsgIniVersion = message("errINIVersion");
    texts.MsgCodecNotInstalled = message("errCodecNotInstalled");
    texts.MsgCannotStart = message("errCannotStart");
    texts.MsgFolderNotOpened = message("errFolderNotOpened");
    texts.MsgTitle = "Vistrel";
    return texts;
}

} // namespace vistrel::test
