#include "platform/watch/FolderStamps.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>

namespace vistrel {

FolderStamps stampFolder(const QString& root) {
    FolderStamps stamps;
    const QDir base(root);
    QDirIterator files(root, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (files.hasNext() && stamps.size() < WatchedFileLimit) {
        files.next();
        const QFileInfo info = files.fileInfo();
        stamps.insert(base.relativeFilePath(info.filePath()),
                      {info.size(), info.lastModified().toMSecsSinceEpoch()});
    }
    return stamps;
}

QStringList changedFiles(const FolderStamps& before, const FolderStamps& after) {
    QStringList changed;
    for (auto it = after.begin(); it != after.end(); ++it)
        if (before.value(it.key(), FileStamp{}) != it.value())
            changed.append(it.key());
    for (auto it = before.begin(); it != before.end(); ++it)
        if (!after.contains(it.key()))
            changed.append(it.key());
    changed.sort();
    return changed;
}

} // namespace vistrel
