#include "platform/ProgramEnd.h"

#include "platform/Log.h"

namespace vistrel {

void ProgramEnd::end(const QString& reason, int exitCode) {
    qCInfo(logExit).noquote() << "exit:" << reason;
    terminate(exitCode);
}

} // namespace vistrel
