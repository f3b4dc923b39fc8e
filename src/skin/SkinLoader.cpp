#include "skin/SkinLoader.h"

#include "app/Core.h"
#include "language/ErrorMessage.h"
#include "platform/FilePaths.h"
#include "platform/Log.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramEnd.h"
#include "platform/ReadIni.h"
#include "skin/MaskRegion.h"
#include "skin/PictureFile.h"

namespace vistrel {

namespace {

const QPixmap& pictureAt(const QList<QPixmap>& set, int index) {
    static const QPixmap none;
    return index < set.size() ? set[index] : none;
}

QString fileIn(const QString& dir, const QString& name) {
    return resolvePath(dir + name);
}

} // namespace

QString SkinLoader::SkinDir() const {
    return joinPath(core_.state.AppPath, "Skins/" + skin.SkinName + "/");
}

bool SkinLoader::LoadSkin(const QString& name) {
    chooseSkinName(name);
    if (!PathIsDirectory(SkinDir())) {
        qCInfo(logSkin).noquote() << "skin folder missing:" << SkinDir();
        showErrorMessage(core_.services.messages, core_.state.MsgTitle, core_.texts.MsgSkinNotFound,
                         skin.SkinName);
        return false;
    }
    MainDialog& window = core_.dialog();
    if (!applyBackground(window) || !applyOutline(window) || !applyButtonSets(window))
        return false;
    QPixmap logo;
    if (!loadFatal(fileIn(SkinDir(), "logo.bmp"), logo))
        return false;
    window.picShowPictures->setPicture(logo);
    if (!applyTitle(window) || !loadMenuLooks())
        return false;
    clearTitleBarButtons(window);
    qCInfo(logSkin).noquote() << "skin:" << skin.SkinName;
    return true;
}

void SkinLoader::chooseSkinName(const QString& name) {
    skin.SkinName = name;
    if (!name.isEmpty())
        return;
    skin.SkinName = ReadIni("Main", "Skin", "default", core_.state.IniPath);
    if (skin.SkinName.isEmpty())
        skin.SkinName = "default";
}

bool SkinLoader::loadFatal(const QString& path, QPixmap& picture) {
    QImage image;
    if (!readFatal(path, image))
        return false;
    picture = QPixmap::fromImage(image);
    return true;
}

// A picture the loader does not test for beforehand: failing to read it ends the program.
bool SkinLoader::readFatal(const QString& path, QImage& image) {
    const PictureFile file = loadPictureFile(path);
    if (file.loaded()) {
        image = file.image;
        return true;
    }
    qCInfo(logSkin).noquote() << "picture not loaded:" << path << "-" << file.error;
    core_.services.messages.showError(
        core_.state.MsgTitle,
        QStringLiteral("The picture %1 cannot be loaded: %2.").arg(path, file.error));
    core_.services.programEnd.end("skin picture not loaded: " + path, 1);
    return false;
}

bool SkinLoader::applyBackground(MainDialog& window) {
    QPixmap background;
    if (!loadFatal(fileIn(SkinDir(), "back.bmp"), background))
        return false;
    window.setBackgroundPicture(background);
    return true;
}

bool SkinLoader::applyOutline(MainDialog& window) {
    const QString maskPath = fileIn(SkinDir(), "transp.bmp");
    if (PathFileExists(maskPath)) {
        // The outline comes from the file's own pixels, not from a copy made for the screen.
        QImage mask;
        if (!readFatal(maskPath, mask))
            return false;
        window.picTransparentMask->setPicture(QPixmap::fromImage(mask));
        window.picTransparentMask->resize(mask.size());
        skin.ShapeRegion = regionFromMaskImage(mask, window.size());
    } else {
        skin.ShapeRegion = QRegion(0, 0, MainDialog::WindowWidth, MainDialog::WindowHeight);
    }
    // An empty region (a mask without any opaque pixel) removes the outline altogether.
    window.setMask(skin.ShapeRegion);
    qCInfo(logSkin) << "skin outline:" << skin.ShapeRegion.rectCount() << "rectangles within"
                    << skin.ShapeRegion.boundingRect();
    return true;
}

bool SkinLoader::applyButtonSets(MainDialog& window) {
    const AppState& state = core_.state;
    auto released = [](const QList<QPixmap>& set, bool available) {
        return pictureAt(set, available ? 1 : 0);
    };
    if (!LoadPictureSet("codec", 2, skin.PicsCodec))
        return false;
    window.btnInstallCodec->setPicture(released(skin.PicsCodec, state.CodecInstalled));
    if (!LoadPictureSet("player", 2, skin.PicsPlayer))
        return false;
    window.btnInstallPlayer->setPicture(released(skin.PicsPlayer, state.PlayerInstalled));
    if (!LoadPictureSet("info", 2, skin.PicsInfo))
        return false;
    window.btnInfo->setPicture(pictureAt(skin.PicsInfo, 1));
    if (!LoadPictureSet("start", 2, skin.PicsStart))
        return false;
    // At load only the codec decides; a release also asks for the player.
    window.btnStartPlayer->setPicture(released(skin.PicsStart, state.CodecInstalled));
    if (!LoadPictureSet("explore", 2, skin.PicsExplore))
        return false;
    window.btnExplore->setPicture(pictureAt(skin.PicsExplore, 1));
    if (!LoadPictureSet("exit", 2, skin.PicsExit))
        return false;
    window.btnExit->setPicture(pictureAt(skin.PicsExit, 1));
    if (!LoadPictureSet("console", 4, skin.PicsConsole))
        return false;
    for (ImageArea* button :
         {window.btnBackward, window.btnPlay, window.btnPause, window.btnStop, window.btnForward})
        button->clearPicture();
    return true;
}

bool SkinLoader::LoadPictureSet(const QString& setName, int lastIndex, QList<QPixmap>& set) {
    const QString dir = SkinDir();
    if (set.size() <= lastIndex)
        set.resize(lastIndex + 1);
    for (int i = 0; i <= lastIndex; ++i) {
        const QString path = fileIn(dir, setName + QString::number(i) + ".bmp");
        const PictureFile file = loadPictureFile(path);
        if (!file.loaded()) {
            qCInfo(logSkin).noquote() << "picture not loaded:" << path << "-" << file.error;
            showErrorMessage(core_.services.messages, core_.state.MsgTitle,
                             core_.texts.MsgFileNotFound, setName);
            core_.services.programEnd.end("picture set incomplete: " + setName, 1);
            return false;
        }
        set[i] = QPixmap::fromImage(file.image);
    }
    return true;
}

bool SkinLoader::applyTitle(MainDialog& window) {
    const AppState& state = core_.state;
    QString title = ReadIni("Main", "Title", "", state.IniPath);
    if (title.isEmpty()) {
        title = fileIn(SkinDir(), "title.bmp");
    } else {
        // A name relative to the program's folder wins over the name as written.
        const QString besideProgram = joinPath(state.AppPath, title);
        title = resolvePath(PathFileExists(besideProgram) ? besideProgram : title);
    }
    QPixmap picture;
    if (!loadFatal(title, picture))
        return false;
    window.picTitle->setPicture(picture);
    return true;
}

bool SkinLoader::loadMenuLooks() {
    QPixmap* looks[] = {&skin.PicMenu0, &skin.PicMenu1, &skin.PicMenu2, &skin.PicMenu3};
    const QString dir = SkinDir();
    if (!PathFileExists(fileIn(dir, "menu0.bmp"))) {
        for (QPixmap* look : looks)
            *look = QPixmap();
        return true;
    }
    for (int i = 0; i < 4; ++i) {
        if (!loadFatal(fileIn(dir, "menu" + QString::number(i) + ".bmp"), *looks[i]))
            return false;
    }
    return true;
}

void SkinLoader::clearTitleBarButtons(MainDialog& window) {
    for (ImageArea* button :
         {window.btnMenu, window.btnMinimize, window.btnMaximize, window.btnClose})
        button->clearPicture();
}

} // namespace vistrel
