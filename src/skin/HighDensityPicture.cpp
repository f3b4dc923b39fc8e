#include "skin/HighDensityPicture.h"

#include "platform/disc/FilePaths.h"
#include "skin/PictureFile.h"

namespace vistrel {

QString highDensityPath(const QString& path) {
    const qsizetype slash = path.lastIndexOf('/');
    const qsizetype dot = path.lastIndexOf('.');
    const qsizetype insertAt = dot > slash ? dot : path.size();
    return resolvePath(path.left(insertAt) + QStringLiteral("@2x") + path.mid(insertAt));
}

HighDensityPicture loadHighDensityPicture(const QString& path, QSize baseSize) {
    HighDensityPicture picture;
    picture.path = highDensityPath(path);
    PictureFile file = loadPictureFile(picture.path);
    if (file.missing)
        return picture;
    if (!file.loaded()) {
        picture.problem = QStringLiteral("it cannot be read (%1)").arg(file.error);
        return picture;
    }
    const QSize wanted = baseSize * 2;
    if (file.image.size() != wanted) {
        picture.problem = QStringLiteral("it is %1x%2, not twice its 1x picture (%3x%4)")
                              .arg(file.image.width())
                              .arg(file.image.height())
                              .arg(wanted.width())
                              .arg(wanted.height());
        return picture;
    }
    picture.image = std::move(file.image);
    return picture;
}

} // namespace vistrel
