#include "skin/SkinLoader.h"

#include "language/ErrorMessage.h"
#include "platform/FilePaths.h"
#include "platform/Log.h"
#include "startup/Core.h"
#include "startup/ReadIni.h"

namespace vistrel {

QString SkinLoader::skinDir() const {
    return joinPath(core_.state.AppPath, "Skins/" + skin.SkinName + "/");
}

bool SkinLoader::LoadSkin(const QString& name) {
    skin.SkinName = name;
    if (name.isEmpty()) {
        skin.SkinName = ReadIni("Main", "Skin", "default", core_.state.IniPath);
        if (skin.SkinName.isEmpty())
            skin.SkinName = "default";
    }
    if (!PathIsDirectory(skinDir())) {
        showErrorMessage(core_.services.messages, core_.state.MsgTitle,
                         core_.texts.MsgSkinNotFound, skin.SkinName);
        return false;
    }
    core_.dialog().setBackgroundPicture(QPixmap(resolvePath(skinDir() + "back.bmp")));
    qCInfo(logSkin).noquote() << "skin:" << skin.SkinName;
    return true;
}

} // namespace vistrel
