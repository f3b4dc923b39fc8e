#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace vistrel {

// What a file looked like when the folder was last looked at.
struct FileStamp {
    qint64 size = -1;
    qint64 modifiedMs = 0;
    bool operator==(const FileStamp&) const = default;
};

// The visible files under a folder, by their path relative to it.
using FolderStamps = QMap<QString, FileStamp>;

// A disc is a few hundred files; past this many, the rest are not looked at on every pass.
inline constexpr int WatchedFileLimit = 4096;

// Stamps the folder's visible files, its subfolders' too (hidden ones, such as an editor's
// temporary copies, are left out), at most WatchedFileLimit of them.
FolderStamps stampFolder(const QString& root);

// The files added, removed or changed between two stampings, sorted.
QStringList changedFiles(const FolderStamps& before, const FolderStamps& after);

} // namespace vistrel
