#include "skin/PictureFile.h"

#include <QFileInfo>
#include <QImageReader>

namespace vistrel {

PictureFile loadPictureFile(const QString& path) {
    QImageReader::setAllocationLimit(kPictureAllocationLimitMB);
    if (QFileInfo(path).isDir())
        return {{}, QStringLiteral("it is a folder")};
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    PictureFile picture;
    if (!reader.read(&picture.image) || picture.image.isNull()) {
        picture.image = QImage();
        picture.error = reader.errorString();
        if (picture.error.isEmpty())
            picture.error = QStringLiteral("unreadable picture");
    }
    return picture;
}

} // namespace vistrel
