#include "doubles/TestDisc.h"

#include "platform/disc/ReadIni.h"
#include "skin/SkinFiles.h"
#include "window/Buttons.h"
#include "window/LanguageKeys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

namespace vistrel::test {

TestDisc::TestDisc() {
    clearIniCache();
}

QString TestDisc::filePath(const QString& relative) const {
    return dir_.filePath(relative);
}

void TestDisc::writeFile(const QString& relative, const QByteArray& bytes) {
    const QString target = filePath(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    clearIniCache();
}

void TestDisc::addLanguage(const QString& name) {
    QByteArray text;
    std::string_view section;
    for (const LanguageKey& entry : LanguageKeys) {
        if (entry.section != section)
            text += "[" + QByteArray(entry.section.data(), qsizetype(entry.section.size())) + "]\n";
        section = entry.section;
        const QByteArray key(entry.key.data(), qsizetype(entry.key.size()));
        text += key + "=" + name.toUtf8() + " " + key + (section == "ErrorMsg" ? " %s\n" : "\n");
    }
    writeFile("Language/" + name + ".lng", text);
}

void TestDisc::addPicture(const QString& relative, QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString target = filePath(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    image.save(target, relative.endsWith(".bmp", Qt::CaseInsensitive) ? "BMP" : nullptr);
}

void TestDisc::addSkin(const QString& name, bool menuLooks, bool mask) {
    const QString dir = "Skins/" + name + "/";
    int shade = 10;
    auto next = [&shade] {
        shade += 7;
        return QColor(shade % 256, 100, 200 - shade % 150);
    };
    for (const SkinPart& part : SkinFiles) {
        if (part.role == SkinRole::Outline) {
            if (mask)
                addMask(dir + skinFileName(part), placeOf(part));
            continue;
        }
        if (part.presence == Presence::AllOrNone && !menuLooks)
            continue;
        for (int i = 0; i < pictureCount(part); ++i)
            addPicture(dir + skinFileName(part, i), placeOf(part, i), next());
    }
}

// White with a small black triangle in the top-left corner, which the outline leaves out.
void TestDisc::addMask(const QString& relative, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10 - y; ++x)
            image.setPixel(x, y, qRgb(0, 0, 0));
    image.save(filePath(relative), "BMP");
}

TestApp::TestApp() = default;

std::unique_ptr<Application> TestApp::make() {
    return make(messages, programEnd);
}

std::unique_ptr<Application> TestApp::make(MessageBoxes& boxes, ProgramEnd& end) {
    return std::make_unique<Application>(
        Services{registry, boxes, end, desktop, singleInstance,
                 [this](QWidget* parent) { return player = makeScriptedPlayer(parent, &engine); },
                 [this](QWidget* parent) { return document = new FakeDocumentView(parent); },
                 [this] { return frameworkDecodes; }});
}

// The window is the player's parent: it makes its elements.
MainDialog& TestApp::window() const {
    return *qobject_cast<MainDialog*>(player->parent());
}

} // namespace vistrel::test
