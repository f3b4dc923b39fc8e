#pragma once

#include <QString>
#include <QUrl>

namespace vistrel {

// The local file a link or resource address names, resolved against the document it appears
// in; empty for anything that would need a network (another scheme, a host, a network share).
QString localFileOf(const QUrl& address, const QUrl& document);

// A link a reader expects to open outside the document: a web page or a mail address.
bool isOutsideLink(const QUrl& address);

// Whether path lies in folder or below it, by its name (symbolic links are not followed).
bool liesWithin(const QString& path, const QString& folder);

// Where a link of a document leads, as the view and the disc's check both take it.
struct LinkTarget {
    enum Kind {
        World,    // a web page or a mail address, for the desktop
        NotLocal, // another scheme, a host or a network share: never fetched
        OffDisc,  // a file outside the disc's folder: not followed
        Missing,  // nothing there (or a pipe or a device)
        Page,     // shown in the view
        Other,    // any other file or a folder, for the system's own program
    };
    Kind kind = NotLocal;
    QUrl address;      // the link resolved against the document, with its #anchor
    QString file;      // the file on disk, for OffDisc, Missing, Page and Other
    QString asWritten; // the link as the page writes it, without its #anchor, decoded
};

// A link of the document; discFolder bounds where it may lead (any local file when empty).
LinkTarget linkTarget(const QUrl& link, const QUrl& document, const QString& discFolder);

} // namespace vistrel
