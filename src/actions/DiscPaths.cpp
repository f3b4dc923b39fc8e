#include "actions/DiscPaths.h"

#include "platform/FilePaths.h"

#include <QFileInfo>

namespace vistrel {

namespace {

QString absoluteOnDisk(const QString& path) {
    return QFileInfo(resolvePath(path)).absoluteFilePath();
}

// The first of the two candidates that passes the test, as it lies on disk.
template <typename Test>
QString firstFound(const QString& first, const QString& second, Test exists) {
    if (exists(first))
        return absoluteOnDisk(first);
    if (exists(second))
        return absoluteOnDisk(second);
    return {};
}

} // namespace

QString explorerFolder(const QString& appPath, const QString& explorerPath) {
    return firstFound(appPath + QLatin1Char('/') + explorerPath, explorerPath, PathIsDirectory);
}

// A folder is no document and no program, so both look for files only.
QString infoDocument(const QString& appPath, const QString& infoPath) {
    return firstFound(joinPath(appPath, infoPath), infoPath, isExistingFile);
}

QString installerProgram(const QString& appPath, const QString& installPath) {
    return firstFound(installPath, joinPath(appPath, installPath), isExistingFile);
}

} // namespace vistrel
