#include "platform/process/ProgramEnd.h"

#include "platform/log/Log.h"

namespace vistrel {

void ProgramEnd::end(const QString& reason, int exitCode) {
    if (ended_)
        return;
    ended_ = true;
    qCInfo(logExit).noquote() << "exit:" << reason;
    terminate(exitCode);
}

} // namespace vistrel
