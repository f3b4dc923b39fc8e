#pragma once

#include "app/check/DiscFindings.h"

#include <QByteArray>
#include <QString>

namespace vistrel {

// A finding as --check prints it: "error: file: what is wrong; how to fix it".
QString findingLine(const Finding& finding);

// One line per finding ("error: file: what is wrong; how to fix it"), then the count of each.
QString findingsText(const Findings& findings);

// The same findings as one JSON document, for an author's build pipeline.
QByteArray findingsJson(const QString& disc, const Findings& findings);

// 0 without errors, 1 with.
int findingsExitCode(const Findings& findings);

} // namespace vistrel
