#include "platform/media/MediaOpenError.h"

#include "platform/disc/DiscFile.h"

#include <QFile>

namespace vistrel {

MediaOpenError checkMediaFile(const QString& resolved) {
    if (!isDiscFile(resolved))
        return Missing;
    QFile file(resolved);
    if (!file.open(QIODevice::ReadOnly))
        return Unreadable;
    // Its size is the framework's business; nothing at all is no media.
    if (file.size() == 0)
        return Empty;
    return NoError;
}

} // namespace vistrel
