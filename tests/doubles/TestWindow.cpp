#include "doubles/TestWindow.h"

#include "window/LanguageKeys.h"

namespace vistrel::test {

TestWindow::TestWindow()
    : window([this](QWidget* parent) { return player = makeScriptedPlayer(parent, &engine); },
             [this](QWidget* parent) { return document = new FakeDocumentView(parent); }) {}

LanguageTexts namedTexts(const QString& language) {
    LanguageTexts texts;
    for (const LanguageKey& entry : LanguageKeys)
        texts[*TextKey::find(entry.key)] =
            language + " " + QLatin1String(entry.key.data(), qsizetype(entry.key.size())) +
            (entry.section == "ErrorMsg" ? " %s" : "");
    return texts;
}

Messages namedMessages(MessageBoxes& boxes, const QString& language) {
    Messages messages(boxes, "Vistrel");
    messages.setTexts(namedTexts(language));
    return messages;
}

} // namespace vistrel::test
