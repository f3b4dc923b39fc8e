#include "media/SlideDecoding.h"

#include "platform/disc/DiscFile.h"
#include "platform/log/Log.h"

#include <QFile>
#include <QImageReader>

namespace vistrel {

QSize slideDecodeSize(QSize naturalSize, QSize areaSize) {
    if (areaSize.isEmpty() || naturalSize.isEmpty())
        return naturalSize;
    const qint64 naturalPixels = qint64(naturalSize.width()) * naturalSize.height();
    const qint64 areaPixels = qint64(areaSize.width()) * areaSize.height();
    return naturalPixels > areaPixels ? areaSize : naturalSize;
}

QImage decodeSlidePicture(const QString& path, QSize areaSize) {
    // A pipe would hold a worker, and the step that waits for it, for good.
    QFile file(path);
    const QString refused = openDiscFile(file, SlideFileLimit);
    if (!refused.isEmpty()) {
        qCInfo(logMedia).noquote() << "slide picture not shown:" << path << "-" << refused;
        return {};
    }
    QImageReader reader(&file);
    reader.setAllocationLimit(SlideAllocationLimitMb);
    // Camera photos record their orientation; show them upright.
    reader.setAutoTransform(true);
    QSize natural = reader.size();
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    if (turned)
        natural.transpose();
    QSize target = slideDecodeSize(natural, areaSize);
    if (target.isValid() && target != natural) {
        // The reader scales before it turns the picture.
        reader.setScaledSize(turned ? target.transposed() : target);
    }
    QImage image = reader.read();
    if (image.isNull()) {
        qCInfo(logMedia).noquote()
            << "slide picture not shown:" << path << "-" << reader.errorString();
        return image;
    }
    // Formats that cannot tell their size before decoding still end at the area's size.
    const QSize shown = slideDecodeSize(image.size(), areaSize);
    if (shown != image.size())
        image = image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace vistrel
