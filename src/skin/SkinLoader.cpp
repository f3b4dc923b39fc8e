#include "skin/SkinLoader.h"

#include "platform/disc/FilePaths.h"
#include "platform/log/Log.h"
#include "platform/messages/ErrorMessage.h"
#include "platform/messages/MessageBoxes.h"
#include "platform/process/ProgramEnd.h"
#include "skin/HighDensityPicture.h"
#include "skin/MaskRegion.h"
#include "skin/PictureFile.h"
#include "window/ImageArea.h"
#include "window/LanguageTexts.h"

#include <QWidget>

namespace vistrel {

namespace {

QString fileIn(const QString& dir, const QString& name) {
    return resolvePath(dir + name);
}

constexpr int LastActionPicture = 2;
constexpr int LastConsolePicture = 4;

} // namespace

SkinLoader::SkinLoader(SkinnedElements elements, SkinSources sources,
                       std::function<Components()> installed, const LanguageTexts& texts,
                       MessageBoxes& messages, ProgramEnd& programEnd)
    : elements_(std::move(elements)), sources_(std::move(sources)),
      installed_(std::move(installed)), texts_(texts), messages_(messages),
      programEnd_(programEnd) {}

ImageArea& SkinLoader::button(ButtonId id) const {
    return *elements_.buttons[static_cast<std::size_t>(id)];
}

QString SkinLoader::SkinDir() const {
    return joinPath(sources_.skinsFolder, skin_.SkinName + "/");
}

bool SkinLoader::LoadSkin(const QString& name) {
    skin_.SkinName = name.isEmpty() ? sources_.configuredSkin : name;
    if (!PathIsDirectory(SkinDir())) {
        qCInfo(logSkin).noquote() << "skin folder missing:" << SkinDir();
        showErrorMessage(messages_, texts_.MsgTitle, texts_.MsgSkinNotFound, skin_.SkinName);
        return false;
    }
    ratio_ = elements_.window.devicePixelRatioF();
    if (!applyBackground() || !applyOutline() || !applyButtonSets())
        return false;
    QPixmap logo;
    if (!loadFatal(fileIn(SkinDir(), "logo.bmp"), logo))
        return false;
    elements_.picShowPictures.setPicture(logo);
    if (!applyTitle() || !loadMenuLooks())
        return false;
    clearTitleBarButtons();
    qCInfo(logSkin).noquote() << "skin:" << skin_.SkinName;
    return true;
}

bool SkinLoader::loadFatal(const QString& path, QPixmap& picture) {
    if (loadSharp(path, picture))
        return true;
    QImage image;
    if (!readFatal(path, image))
        return false;
    // Moved: the pixmap takes the picture's memory rather than a copy of it.
    picture = QPixmap::fromImage(std::move(image));
    return true;
}

// On a high-density screen the doubled picture beside the file where there is a usable one, read
// in place of the file's own pixels (of which only the size is read). Otherwise the file's own
// picture is used and the painter scales it smoothly.
bool SkinLoader::loadSharp(const QString& path, QPixmap& picture) const {
    if (!wantsHighDensity(ratio_) || !PathFileExists(highDensityPath(path)))
        return false;
    const QSize base = pictureFileSize(path);
    if (!base.isValid())
        return false;
    HighDensityPicture sharp = loadHighDensityPicture(path, base);
    if (!sharp.usable()) {
        qCWarning(logSkin).noquote()
            << "high-density picture not used:" << sharp.path << "-" << sharp.problem;
        return false;
    }
    picture = QPixmap::fromImage(std::move(sharp.image));
    picture.setDevicePixelRatio(2);
    return true;
}

// A picture the loader does not test for beforehand: failing to read it ends the program.
bool SkinLoader::readFatal(const QString& path, QImage& image) {
    PictureFile file = loadPictureFile(path);
    if (file.loaded()) {
        image = std::move(file.image);
        return true;
    }
    qCInfo(logSkin).noquote() << "picture not loaded:" << path << "-" << file.error;
    messages_.showError(
        texts_.MsgTitle,
        QStringLiteral("The picture %1 cannot be loaded: %2.").arg(path, file.error));
    programEnd_.end("skin picture not loaded: " + path, 1);
    return false;
}

bool SkinLoader::applyBackground() {
    QPixmap background;
    if (!loadFatal(fileIn(SkinDir(), "back.bmp"), background))
        return false;
    elements_.setBackgroundPicture(background);
    return true;
}

bool SkinLoader::applyOutline() {
    QWidget& window = elements_.window;
    const QString maskPath = fileIn(SkinDir(), "transp.bmp");
    if (PathFileExists(maskPath)) {
        // The outline comes from the file's own pixels, not from a copy made for the screen.
        QImage mask;
        if (!readFatal(maskPath, mask))
            return false;
        skin_.ShapeRegion = regionFromMaskImage(mask, window.size());
    } else {
        skin_.ShapeRegion = QRegion(window.rect());
    }
    // An empty region (a mask without any opaque pixel) removes the outline altogether.
    window.setMask(skin_.ShapeRegion);
    qCInfo(logSkin) << "skin outline:" << skin_.ShapeRegion.rectCount() << "rectangles within"
                    << skin_.ShapeRegion.boundingRect();
    return true;
}

// Each action button's set in the table's order, then the playback buttons' shared set.
bool SkinLoader::applyButtonSets() {
    const Components installed = installed_();
    for (const ButtonRow& row : Buttons) {
        if (row.kind != ButtonKind::Action)
            continue;
        const QString set = QString::fromUtf8(row.pictureSet);
        if (!LoadPictureSet(set, LastActionPicture, skin_.ActionSets[set]))
            return false;
        const bool available = present(row.neededAtLoad, installed);
        button(row.id).setPicture(skin_.actionPicture(set, available ? 1 : 0));
    }
    if (!LoadPictureSet("console", LastConsolePicture, skin_.PicsConsole))
        return false;
    for (const ButtonRow& row : Buttons)
        if (row.kind == ButtonKind::Console)
            button(row.id).clearPicture();
    return true;
}

bool SkinLoader::LoadPictureSet(const QString& setName, int lastIndex, QList<QPixmap>& set) {
    const QString dir = SkinDir();
    if (set.size() <= lastIndex)
        set.resize(lastIndex + 1);
    for (int i = 0; i <= lastIndex; ++i) {
        const QString path = fileIn(dir, setName + QString::number(i) + ".bmp");
        if (loadSharp(path, set[i]))
            continue;
        PictureFile file = loadPictureFile(path);
        if (!file.loaded()) {
            qCInfo(logSkin).noquote() << "picture not loaded:" << path << "-" << file.error;
            showErrorMessage(messages_, texts_.MsgTitle, texts_.MsgFileNotFound, setName);
            programEnd_.end("picture set incomplete: " + setName, 1);
            return false;
        }
        set[i] = QPixmap::fromImage(std::move(file.image));
    }
    return true;
}

bool SkinLoader::applyTitle() {
    const QString title =
        sources_.titlePicture.isEmpty() ? fileIn(SkinDir(), "title.bmp") : sources_.titlePicture;
    QPixmap picture;
    if (!loadFatal(title, picture))
        return false;
    elements_.picTitle.setPicture(picture);
    return true;
}

// All four looks or none: a skin without menu0.bmp has no title-bar looks.
bool SkinLoader::loadMenuLooks() {
    const QString dir = SkinDir();
    if (!PathFileExists(fileIn(dir, "menu0.bmp"))) {
        skin_.PicMenu.fill(QPixmap());
        return true;
    }
    for (std::size_t i = 0; i < skin_.PicMenu.size(); ++i) {
        if (!loadFatal(fileIn(dir, "menu" + QString::number(i) + ".bmp"), skin_.PicMenu[i]))
            return false;
    }
    return true;
}

void SkinLoader::clearTitleBarButtons() {
    for (const ButtonRow& row : Buttons)
        if (row.kind == ButtonKind::TitleBar)
            button(row.id).clearPicture();
}

} // namespace vistrel
