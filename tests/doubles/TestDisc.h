#pragma once

#include "app/Application.h"
#include "doubles/Doubles.h"
#include "doubles/ScriptedEngine.h"

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace vistrel::test {

// A disc folder on real disk for one test: configuration, language files and skins.
class TestDisc {
  public:
    TestDisc();

    QString path() const { return dir_.path(); }
    QString filePath(const QString& relative) const;

    void writeFile(const QString& relative, const QByteArray& bytes);
    void writeIni(const QByteArray& text) { writeFile("vistrel.ini", text); }
    // A language file whose every text names its key (e.g. tipPlay = "english tipPlay").
    void addLanguage(const QString& name);
    // A picture of the given size in one colour (BMP when the name ends in .bmp).
    void addPicture(const QString& relative, QSize size, QColor colour);
    // A complete skin: every picture a skin needs, each in a colour of its own so that tests
    // can tell them apart. With menuLooks the four title-bar looks are included.
    void addSkin(const QString& name, bool menuLooks = true, bool mask = true);

  private:
    void addMask(const QString& relative, QSize size);

    QTemporaryDir dir_;
};

// The application over doubles of every seam, on a TestDisc.
struct TestApp {
    TestApp();
    std::unique_ptr<Application> make();
    // One whose messages and end go elsewhere.
    std::unique_ptr<Application> make(MessageBoxes& boxes, ProgramEnd& end);
    // The main window of the application made last, as the viewer meets it.
    MainDialog& window() const;

    FakeRegistry registry;
    RecordingMessageBoxes messages;
    RecordingProgramEnd programEnd;
    RecordingDesktop desktop;
    FakeSingleInstance singleInstance;
    bool frameworkDecodes = false;
    ScriptedEngine* engine = nullptr;
    EnginePlayer* player = nullptr;
    FakeDocumentView* document = nullptr;
};

} // namespace vistrel::test
