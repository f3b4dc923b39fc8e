#include "app/check/ConfiguredPath.h"

#include "platform/disc/FilePaths.h"

#include <QFileInfo>

namespace vistrel {

namespace {

QString findAs(const DiscFolder& folder, const QString& configured, PathKind kind) {
    switch (kind) {
    case PathKind::File:
        return folder.findFile(configured);
    case PathKind::Folder:
        return folder.findFolder(configured);
    case PathKind::Entry:
        break;
    }
    return folder.findEntry(configured);
}

QString kindName(PathKind kind) {
    switch (kind) {
    case PathKind::File:
        return QStringLiteral("a file");
    case PathKind::Folder:
        return QStringLiteral("a folder");
    case PathKind::Entry:
        break;
    }
    return QStringLiteral("a file or folder");
}

Finding notFound(const CheckedDisc& disc, const QString& key, const QString& configured,
                 PathKind kind) {
    const QString written = CheckedDisc::asWritten(configured);
    const QString other = disc.folder.findEntry(configured);
    if (!other.isEmpty())
        return error(
            disc.relative(other),
            QStringLiteral("%1 names %2, but it is not %3").arg(key, written, kindName(kind)),
            QStringLiteral("point %1 at %2").arg(key, kindName(kind)));
    // What looks like a comment after the value is part of it.
    const QString fix =
        configured.contains(QLatin1String(" ;"))
            ? QStringLiteral("comments only start a line: the \";\" and what follows it are part "
                             "of %1; put the comment on a line of its own")
                  .arg(key)
            : QStringLiteral("put %1 there, or correct %2 in vistrel.ini").arg(kindName(kind), key);
    return error(written,
                 QStringLiteral("%1 names %2, which is not on the disc (looked for %2 under the "
                                "disc, letter case ignored)")
                     .arg(key, written),
                 fix);
}

} // namespace

LocatedPath locatePath(const CheckedDisc& disc, const QString& key, const QString& configured,
                       PathKind kind) {
    LocatedPath located{findAs(disc.folder, configured, kind), {}};
    if (located.found.isEmpty()) {
        located.findings.append(notFound(disc, key, configured, kind));
        return located;
    }
    const QString written = CheckedDisc::asWritten(configured);
    const QString underDisc =
        QFileInfo(resolvePath(disc.folder.under(configured))).absoluteFilePath();
    const QString relative = disc.relative(located.found);
    if (located.found != underDisc) {
        located.findings.append(warning(
            located.found,
            QStringLiteral("%1 is found only outside the disc, at %2; a viewer's machine will not "
                           "have it")
                .arg(key, located.found),
            QStringLiteral("put it on the disc and name it relative to the disc's root")));
    } else if (relative != written) {
        located.findings.append(
            note(relative,
                 QStringLiteral("%1 names %2, found as %3 with letter case ignored; it works")
                     .arg(key, written, relative),
                 QStringLiteral("write %1 to match the name on the disc").arg(relative)));
    }
    return located;
}

} // namespace vistrel
