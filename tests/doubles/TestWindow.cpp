#include "doubles/TestWindow.h"

#include "language/LanguageKeys.h"

namespace vistrel::test {

TestWindow::TestWindow()
    : window([this](QWidget* parent) { return player = makeScriptedPlayer(parent, &engine); },
             [this](QWidget* parent) { return document = new FakeDocumentView(parent); }) {}

LanguageTexts namedTexts(const QString& language) {
    LanguageTexts texts;
    for (const LanguageKey& entry : LanguageKeys)
        if (QString* field = textOf(texts, entry.section, entry.key))
            *field = language + " " + QLatin1String(entry.key.data(), qsizetype(entry.key.size())) +
                     (entry.section == "ErrorMsg" ? " %s" : "");
    texts.MsgTitle = "Vistrel";
    return texts;
}

} // namespace vistrel::test
