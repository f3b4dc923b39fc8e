#include "app/check/CheckedDisc.h"

#include "platform/FilePaths.h"

#include <QDir>

namespace vistrel {

CheckedDisc::CheckedDisc(const QString& root)
    : folder(root), iniPath(joinPath(root, "vistrel.ini")), config(DiscConfig::read(iniPath)) {}

QString CheckedDisc::relative(const QString& path) const {
    const QString relativePath = QDir(folder.root()).relativeFilePath(path);
    return relativePath.startsWith(QLatin1String("..")) ? QDir::cleanPath(path) : relativePath;
}

QString CheckedDisc::asWritten(const QString& configured) {
    return QDir::cleanPath(QString(configured).replace(QLatin1Char('\\'), QLatin1Char('/')));
}

} // namespace vistrel
