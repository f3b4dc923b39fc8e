#include "platform/documents/LocalLinks.h"

#include "platform/disc/DiscFile.h"
#include "platform/disc/FilePaths.h"
#include "platform/documents/DocumentFile.h"

#include <QDir>
#include <QFileInfo>

namespace vistrel {

namespace {

bool isNetworkShare(const QString& path) {
    return path.startsWith(QLatin1String("//")) || path.startsWith(QLatin1String("\\\\"));
}

// Where the path names, without "." and "..". Symbolic links are not followed: an author's
// folder may link in files kept elsewhere, and the made disc holds copies of them.
QString placeOf(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

LinkTarget::Kind kindOfFile(const QString& file, const QString& discFolder) {
    if (!discFolder.isEmpty() && !liesWithin(file, discFolder))
        return LinkTarget::OffDisc;
    if (QFileInfo(file).isDir())
        return LinkTarget::Other;
    if (!isDiscFile(file))
        return LinkTarget::Missing;
    return isPageFile(file) ? LinkTarget::Page : LinkTarget::Other;
}

} // namespace

QString localFileOf(const QUrl& address, const QUrl& document) {
    const QUrl target = document.resolved(address);
    const QString scheme = target.scheme().toLower();
    if (!scheme.isEmpty() && scheme != QLatin1String("file"))
        return {};
    if (!target.host().isEmpty())
        return {};
    const QString path = scheme.isEmpty() ? target.path() : target.toLocalFile();
    if (path.isEmpty() || isNetworkShare(path))
        return {};
    return path;
}

bool isOutsideLink(const QUrl& address) {
    const QString scheme = address.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("mailto");
}

bool liesWithin(const QString& path, const QString& folder) {
    const QString inside = QDir(placeOf(folder)).relativeFilePath(placeOf(path));
    return inside != QLatin1String("..") && !inside.startsWith(QLatin1String("../")) &&
           QFileInfo(inside).isRelative();
}

LinkTarget linkTarget(const QUrl& link, const QUrl& document, const QString& discFolder) {
    LinkTarget target;
    target.address = document.resolved(link);
    target.asWritten = link.toDisplayString(QUrl::RemoveFragment);
    if (isOutsideLink(target.address)) {
        target.kind = LinkTarget::World;
        return target;
    }
    const QString local = localFileOf(link, document);
    if (local.isEmpty())
        return target;
    target.file = QFileInfo(resolvePath(local)).absoluteFilePath();
    // The page itself (an anchor on it) is followed even where the document lies off the disc.
    const bool itself = target.file == QFileInfo(document.toLocalFile()).absoluteFilePath();
    target.kind = itself ? LinkTarget::Page : kindOfFile(target.file, discFolder);
    return target;
}

} // namespace vistrel
