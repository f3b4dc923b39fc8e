#pragma once

#include "doubles/Doubles.h"
#include "doubles/ScriptedEngine.h"
#include "window/LanguageTexts.h"
#include "window/MainDialog.h"
#include "window/Messages.h"
#include "window/Stage.h"

#include <QTemporaryDir>

namespace vistrel::test {

// The main window over the program's player on a scripted engine and a fake document view, for
// a feature built on its elements alone: nothing else of the program runs.
struct TestWindow {
    TestWindow();

    Stage& stage() { return window.stage(); }
    // A file of that name for the player to open, in a folder of the window's own.
    QString mediaFile(const QString& name) { return writeMediaFile(media.filePath(name)); }

    QTemporaryDir media;
    ScriptedEngine* engine = nullptr;
    EnginePlayer* player = nullptr;
    FakeDocumentView* document = nullptr;
    MainDialog window;
};

// A language's texts as its test file would give them: each names its language and key, the
// messages with a placeholder (e.g. "english errFileNotFound %s").
LanguageTexts namedTexts(const QString& language);
// The program's messages in that language, shown in these boxes under the title "Vistrel".
Messages namedMessages(MessageBoxes& boxes, const QString& language);

} // namespace vistrel::test
