#include "app/check/CheckCommand.h"

#include "app/check/DiscCheck.h"
#include "app/check/FindingsReport.h"
#include "platform/log/Log.h"

#include <cstdio>

namespace vistrel {

int runDiscCheck(const QString& root, bool json, const MediaProber& probe) {
    qCInfo(logStartup).noquote() << "checking the disc:" << root;
    const Findings findings = checkDisc(root, probe);
    const QByteArray output = json ? findingsJson(root, findings) : findingsText(findings).toUtf8();
    std::fwrite(output.constData(), 1, static_cast<std::size_t>(output.size()), stdout);
    std::fflush(stdout);
    const int code = findingsExitCode(findings);
    qCInfo(logExit) << "disc checked:" << findings.size() << "findings, exit code" << code;
    return code;
}

} // namespace vistrel
