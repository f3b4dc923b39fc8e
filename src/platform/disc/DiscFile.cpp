#include "platform/disc/DiscFile.h"

#include <QFile>
#include <QFileInfo>

namespace vistrel {

namespace {

QString tooLarge(qint64 sizeLimit) {
    return QStringLiteral("it is larger than %1 bytes").arg(sizeLimit);
}

} // namespace

bool isDiscFile(const QString& path) {
    // QFileInfo follows links and counts only a regular file as a file: pipes, sockets and
    // devices are not.
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString discFileProblem(const QString& path, qint64 sizeLimit) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return QStringLiteral("it does not exist");
    if (info.isDir())
        return QStringLiteral("it is a folder");
    if (!info.isFile())
        return QStringLiteral("it is not a regular file");
    if (info.size() > sizeLimit)
        return tooLarge(sizeLimit);
    return {};
}

QString openDiscFile(QFile& file, qint64 sizeLimit) {
    const QString problem = discFileProblem(file.fileName(), sizeLimit);
    if (!problem.isEmpty())
        return problem;
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
    // The file may have grown since it was looked at: never read past the limit.
    result.bytes = file.read(qMin(file.size(), sizeLimit) + 1);
    if (result.bytes.size() > sizeLimit) {
        result.bytes.clear();
        result.error = tooLarge(sizeLimit);
    }
    return result;
}

} // namespace vistrel
