#include "skin/PicturePrefetch.h"

#include <QtConcurrent>

namespace vistrel {

void PicturePrefetch::start(const QStringList& paths) {
    for (const QString& path : paths)
        pending_.insert(path, QtConcurrent::run([path] { return loadPictureFile(path); }));
}

PictureFile PicturePrefetch::take(const QString& path) {
    const auto found = pending_.constFind(path);
    if (found == pending_.constEnd())
        return loadPictureFile(path);
    QFuture<PictureFile> reading = *found;
    pending_.erase(found);
    return reading.result();
}

} // namespace vistrel
