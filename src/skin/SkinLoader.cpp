#include "skin/SkinLoader.h"

#include "platform/disc/FilePaths.h"
#include "platform/log/Log.h"
#include "platform/process/ProgramEnd.h"
#include "skin/HighDensityPicture.h"
#include "skin/MaskRegion.h"
#include "skin/PictureFile.h"
#include "skin/SkinFiles.h"
#include "window/ImageArea.h"
#include "window/Messages.h"

#include <QWidget>

namespace vistrel {

namespace {

QString fileIn(const QString& dir, const QString& name) {
    return resolvePath(dir + name);
}

} // namespace

SkinLoader::SkinLoader(SkinnedElements elements, SkinSources sources,
                       std::function<Components()> installed, const Messages& messages,
                       ProgramEnd& programEnd)
    : elements_(std::move(elements)), sources_(std::move(sources)),
      installed_(std::move(installed)), messages_(messages), programEnd_(programEnd) {}

ImageArea& SkinLoader::button(ButtonId id) const {
    return *elements_.buttons[static_cast<std::size_t>(id)];
}

QString SkinLoader::SkinDir() const {
    return joinPath(sources_.skinsFolder, skin_.SkinName + "/");
}

QString SkinLoader::pathOf(const SkinPart& part, int index) const {
    return fileIn(SkinDir(), skinFileName(part, index));
}

bool SkinLoader::LoadSkin(const QString& name) {
    skin_.SkinName = name.isEmpty() ? sources_.configuredSkin : name;
    if (!PathIsDirectory(SkinDir())) {
        qCInfo(logSkin).noquote() << "skin folder missing:" << SkinDir();
        messages_.showError("errSkinNotFound", skin_.SkinName);
        return false;
    }
    ratio_ = elements_.window.devicePixelRatioF();
    prefetchButtonPictures();
    for (const SkinPart& part : SkinFiles)
        if (!applyPart(part))
            return false;
    qCInfo(logSkin).noquote() << "skin:" << skin_.SkinName;
    return true;
}

// The buttons' many small pictures are read on other threads while the large ones are read here;
// on a high-density screen their doubled pictures are read instead (loadSharp).
void SkinLoader::prefetchButtonPictures() {
    if (wantsHighDensity(ratio_))
        return;
    QStringList paths;
    for (const SkinPart& part : SkinFiles)
        if (part.role == SkinRole::Buttons)
            for (int i = 0; i < part.count; ++i)
                paths.append(pathOf(part, i));
    prefetch_.start(paths);
}

bool SkinLoader::applyPart(const SkinPart& part) {
    switch (part.role) {
    case SkinRole::Background:
        return applyBackground(part);
    case SkinRole::Outline:
        return applyOutline(part);
    case SkinRole::Logo:
        return applyLogo(part);
    case SkinRole::Title:
        return applyTitle(part);
    case SkinRole::Buttons:
        break;
    }
    switch (part.kind) {
    case ButtonKind::Action:
        return applyActionSet(part);
    case ButtonKind::Console:
        return applyConsoleSet(part);
    case ButtonKind::TitleBar:
        break;
    }
    return applyTitleBarSet(part);
}

SkinLoader::Read SkinLoader::loadFatal(const QString& path, QPixmap& picture, bool optional) {
    if (loadSharp(path, picture))
        return Read::Done;
    QImage image;
    const Read read = readFatal(path, image, optional);
    if (read == Read::Done) {
        // Moved: the pixmap takes the picture's memory rather than a copy of it.
        picture = QPixmap::fromImage(std::move(image));
    }
    return read;
}

// On a high-density screen the doubled picture beside the file where there is a usable one, read
// in place of the file's own pixels (of which only the size is read). Otherwise the file's own
// picture is used and the painter scales it smoothly.
bool SkinLoader::loadSharp(const QString& path, QPixmap& picture) const {
    if (!wantsHighDensity(ratio_))
        return false;
    const QSize base = pictureFileSize(path);
    if (!base.isValid())
        return false;
    HighDensityPicture sharp = loadHighDensityPicture(path, base);
    if (!sharp.usable()) {
        if (!sharp.problem.isEmpty())
            qCWarning(logSkin).noquote()
                << "high-density picture not used:" << sharp.path << "-" << sharp.problem;
        return false;
    }
    qCInfo(logSkin).noquote() << "high-density picture used:" << sharp.path;
    picture = QPixmap::fromImage(std::move(sharp.image));
    picture.setDevicePixelRatio(2);
    return true;
}

// A picture the loader does not test for beforehand: failing to read it ends the program, unless
// it is optional and simply not there.
SkinLoader::Read SkinLoader::readFatal(const QString& path, QImage& image, bool optional) {
    PictureFile file = prefetch_.take(path);
    if (file.loaded()) {
        image = std::move(file.image);
        return Read::Done;
    }
    if (optional && file.missing)
        return Read::Missing;
    qCInfo(logSkin).noquote() << "picture not loaded:" << path << "-" << file.error;
    messages_.showUntranslated(
        QStringLiteral("The picture %1 cannot be loaded: %2.").arg(path, file.error));
    programEnd_.end("skin picture not loaded: " + path, 1);
    return Read::Ended;
}

bool SkinLoader::applyBackground(const SkinPart& part) {
    QPixmap background;
    if (loadFatal(pathOf(part), background) != Read::Done)
        return false;
    elements_.setBackgroundPicture(background);
    return true;
}

bool SkinLoader::applyOutline(const SkinPart& part) {
    QWidget& window = elements_.window;
    // The outline comes from the file's own pixels, not from a copy made for the screen.
    QImage mask;
    const Read read = readFatal(pathOf(part), mask, part.presence != Presence::Required);
    if (read == Read::Ended)
        return false;
    if (read == Read::Done) {
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

// The button shows its released look: picture 1 when what it needs is installed, else 0.
bool SkinLoader::applyActionSet(const SkinPart& part) {
    const QString set = QString::fromUtf8(part.name);
    if (!LoadPictureSet(set, part.count - 1, skin_.ActionSets[set]))
        return false;
    const bool available = present(buttonRow(part.button).neededAtLoad, installed_());
    button(part.button).setPicture(skin_.actionPicture(set, available ? 1 : 0));
    return true;
}

// Pressed looks only: released, the playback buttons show the background through.
bool SkinLoader::applyConsoleSet(const SkinPart& part) {
    if (!LoadPictureSet(QString::fromUtf8(part.name), part.count - 1, skin_.PicsConsole))
        return false;
    clearButtons(part.kind);
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
        PictureFile file = prefetch_.take(path);
        if (!file.loaded()) {
            qCInfo(logSkin).noquote() << "picture not loaded:" << path << "-" << file.error;
            messages_.showError("errFileNotFound", setName);
            programEnd_.end("picture set incomplete: " + setName, 1);
            return false;
        }
        set[i] = QPixmap::fromImage(std::move(file.image));
    }
    return true;
}

bool SkinLoader::applyLogo(const SkinPart& part) {
    QPixmap logo;
    if (loadFatal(pathOf(part), logo) != Read::Done)
        return false;
    elements_.picShowPictures.setPicture(logo);
    return true;
}

// The disc's own title picture, when it names one, in place of the skin's.
bool SkinLoader::applyTitle(const SkinPart& part) {
    const QString title = sources_.titlePicture.isEmpty() ? pathOf(part) : sources_.titlePicture;
    QPixmap picture;
    if (loadFatal(title, picture) != Read::Done)
        return false;
    elements_.picTitle.setPicture(picture);
    return true;
}

// All the looks or none: a skin without the set's first picture has no title-bar looks.
bool SkinLoader::applyTitleBarSet(const SkinPart& part) {
    static_assert(std::tuple_size_v<decltype(skin_.PicMenu)> ==
                  std::size_t(skinfiles::buttonsOfKind(ButtonKind::TitleBar)));
    for (int i = 0; i < part.count; ++i) {
        const bool decides = i == 0 && part.presence == Presence::AllOrNone;
        const Read read = loadFatal(pathOf(part, i), skin_.PicMenu[std::size_t(i)], decides);
        if (read == Read::Ended)
            return false;
        if (read == Read::Missing) {
            skin_.PicMenu.fill(QPixmap());
            break;
        }
    }
    clearButtons(part.kind);
    return true;
}

void SkinLoader::clearButtons(ButtonKind kind) {
    for (const ButtonRow& row : Buttons)
        if (row.kind == kind)
            button(row.id).clearPicture();
}

} // namespace vistrel
