#include "platform/documents/LocalLinks.h"

namespace vistrel {

namespace {

bool isNetworkShare(const QString& path) {
    return path.startsWith(QLatin1String("//")) || path.startsWith(QLatin1String("\\\\"));
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

} // namespace vistrel
