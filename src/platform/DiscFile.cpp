#include "platform/DiscFile.h"

#include <QFile>
#include <QFileInfo>

namespace vistrel {

bool isDiscFile(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString openDiscFile(QFile& file, qint64 sizeLimit) {
    const QFileInfo info(file.fileName());
    if (info.isDir())
        return QStringLiteral("it is a folder");
    if (!info.exists())
        return QStringLiteral("it does not exist");
    if (!info.isFile())
        return QStringLiteral("it is not a regular file");
    if (info.size() > sizeLimit)
        return QStringLiteral("it is larger than %1 bytes").arg(sizeLimit);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    return {};
}

DiscFileBytes readDiscFile(const QString& path, qint64 sizeLimit) {
    QFile file(path);
    DiscFileBytes result;
    result.error = openDiscFile(file, sizeLimit);
    if (!result.read())
        return result;
    // The size may have grown since it was looked at: never read past the limit.
    result.bytes = file.read(sizeLimit + 1);
    if (result.bytes.size() > sizeLimit) {
        result.bytes.clear();
        result.error = QStringLiteral("it is larger than %1 bytes").arg(sizeLimit);
    }
    return result;
}

} // namespace vistrel
