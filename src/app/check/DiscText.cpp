#include "app/check/DiscText.h"

#include "platform/FilePaths.h"

#include <QFile>
#include <QFileInfo>

namespace vistrel {

namespace {

constexpr qint64 TextLimit = 16 * 1024 * 1024;

} // namespace

std::optional<std::string> readDiscText(const QString& configured) {
    const QString path = resolvePath(configured);
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(TextLimit);
    return bytes.toStdString();
}

} // namespace vistrel
