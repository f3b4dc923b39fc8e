#include "platform/disc/DiscFolder.h"

#include "platform/disc/FilePaths.h"

#include <QFileInfo>
#include <utility>

namespace vistrel {

DiscFolder::DiscFolder(QString root) : root_(std::move(root)) {}

template <typename Fits> QString DiscFolder::find(const QString& configured, Fits fits) const {
    if (configured.isEmpty())
        return {};
    for (const QString& candidate : {under(configured), configured}) {
        const QFileInfo info(resolvePath(candidate));
        if (fits(info))
            return info.absoluteFilePath();
    }
    return {};
}

QString DiscFolder::findFile(const QString& configured) const {
    // QFileInfo follows links, so a link counts by what it points to; a pipe or a device is no
    // file (reading one would block or never end).
    return find(configured, [](const QFileInfo& info) { return info.isFile(); });
}

QString DiscFolder::findFolder(const QString& configured) const {
    return find(configured, [](const QFileInfo& info) { return info.isDir(); });
}

QString DiscFolder::findEntry(const QString& configured) const {
    return find(configured, [](const QFileInfo& info) { return info.isFile() || info.isDir(); });
}

QString DiscFolder::under(const QString& configured) const {
    return joinPath(root_, configured);
}

} // namespace vistrel
