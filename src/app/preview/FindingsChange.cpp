#include "app/preview/FindingsChange.h"

#include "app/check/FindingsReport.h"

namespace vistrel {

namespace {

QStringList linesOf(const Findings& findings) {
    QStringList lines;
    for (const Finding& finding : findings)
        lines.append(findingLine(finding));
    return lines;
}

// The lines of from that are not in other, each as often as it is missing there.
QStringList missingFrom(QStringList other, const QStringList& from, const QString& prefix) {
    QStringList missing;
    for (const QString& line : from)
        if (!other.removeOne(line))
            missing.append(prefix + line);
    return missing;
}

} // namespace

QStringList findingsChange(const Findings& before, const Findings& after) {
    const QStringList old = linesOf(before);
    const QStringList now = linesOf(after);
    return missingFrom(old, now, "new: ") + missingFrom(now, old, "mended: ");
}

} // namespace vistrel
