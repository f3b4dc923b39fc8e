#include "app/check/FindingsReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace vistrel {

namespace {

QString severityName(Finding::Severity severity) {
    switch (severity) {
    case Finding::Error:
        return QStringLiteral("error");
    case Finding::Warning:
        return QStringLiteral("warning");
    case Finding::Note:
        break;
    }
    return QStringLiteral("note");
}

qsizetype countOf(const Findings& findings, Finding::Severity severity) {
    return std::count_if(findings.begin(), findings.end(),
                         [severity](const Finding& f) { return f.severity == severity; });
}

QString counted(qsizetype count, const QString& noun) {
    return QStringLiteral("%1 %2%3").arg(count).arg(noun, count == 1 ? "" : "s");
}

} // namespace

QString findingLine(const Finding& finding) {
    QString line = severityName(finding.severity) + ": " + finding.file + ": " + finding.message;
    if (!finding.fix.isEmpty())
        line += "; " + finding.fix;
    return line;
}

QString findingsText(const Findings& findings) {
    QString text;
    for (const Finding& f : findings)
        text += findingLine(f) + '\n';
    text += counted(countOf(findings, Finding::Error), "error") + ", " +
            counted(countOf(findings, Finding::Warning), "warning") + ", " +
            counted(countOf(findings, Finding::Note), "note") + '\n';
    return text;
}

QByteArray findingsJson(const QString& disc, const Findings& findings) {
    QJsonArray list;
    for (const Finding& f : findings)
        list.append(QJsonObject{{"severity", severityName(f.severity)},
                                {"file", f.file},
                                {"message", f.message},
                                {"fix", f.fix}});
    const QJsonObject document{{"disc", disc},
                               {"findings", list},
                               {"errors", countOf(findings, Finding::Error)},
                               {"warnings", countOf(findings, Finding::Warning)},
                               {"notes", countOf(findings, Finding::Note)}};
    return QJsonDocument(document).toJson();
}

int findingsExitCode(const Findings& findings) {
    return countOf(findings, Finding::Error) > 0 ? 1 : 0;
}

} // namespace vistrel
