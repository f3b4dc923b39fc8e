#include "doubles/TestDisc.h"

#include "platform/disc/ReadIni.h"
#include "window/Buttons.h"

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
    QByteArray text = "[Tooltip]\n";
    for (const ButtonRow& row : Buttons)
        if (row.toolTipKey)
            text += QByteArray(row.toolTipKey) + "=" + name.toUtf8() + " " + row.toolTipKey + "\n";
    text += "[Menu]\n";
    for (const char* key : {"mnuChooseLanguage", "mnuChooseSkin", "mnuAbout", "mnuExit"})
        text += QByteArray(key) + "=" + name.toUtf8() + " " + key + "\n";
    text += "[ErrorMsg]\n";
    for (const char* key : {"errFileNotFound", "errPathNotFound", "errSkinNotFound", "errSlideshow",
                            "errINIVersion", "errCodecNotInstalled"})
        text += QByteArray(key) + "=" + name.toUtf8() + " " + key + " %s\n";
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
    addPicture(dir + "back.bmp", {699, 432}, next());
    if (mask) {
        QImage image(699, 432, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10 - y; ++x)
                image.setPixel(x, y, qRgb(0, 0, 0));
        image.save(filePath(dir + "transp.bmp"), "BMP");
    }
    const QSize action(139, 29);
    for (const ButtonRow& row : Buttons)
        if (row.kind == ButtonKind::Action)
            for (int i = 0; i <= 2; ++i)
                addPicture(dir + row.pictureSet + QString::number(i) + ".bmp", action, next());
    for (int i = 0; i <= 4; ++i)
        addPicture(dir + "console" + QString::number(i) + ".bmp", {21, 11}, next());
    addPicture(dir + "logo.bmp", {517, 378}, next());
    addPicture(dir + "title.bmp", {152, 88}, next());
    if (menuLooks)
        for (int i = 0; i <= 3; ++i)
            addPicture(dir + "menu" + QString::number(i) + ".bmp", {16, 16}, next());
}

TestApp::TestApp() = default;

std::unique_ptr<Application> TestApp::make() {
    return std::make_unique<Application>(
        Services{registry, messages, programEnd, desktop, singleInstance,
                 [this](QWidget* parent) { return player = new FakeMediaPlayerControl(parent); },
                 [this](QWidget* parent) { return document = new FakeDocumentView(parent); },
                 [this] { return frameworkDecodes; }});
}

} // namespace vistrel::test
