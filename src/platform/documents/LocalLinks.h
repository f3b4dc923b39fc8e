#pragma once

#include <QString>
#include <QUrl>

namespace vistrel {

// The local file a link or resource address names, resolved against the document it appears
// in; empty for anything that would need a network (another scheme, a host, a network share).
QString localFileOf(const QUrl& address, const QUrl& document);

// A link a reader expects to open outside the document: a web page or a mail address.
bool isOutsideLink(const QUrl& address);

} // namespace vistrel
