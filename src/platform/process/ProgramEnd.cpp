#include "platform/process/ProgramEnd.h"

namespace vistrel {

void ProgramEnd::end(const QString& reason, int exitCode) {
    if (ended_)
        return;
    ended_ = true;
    terminate(reason, exitCode);
}

} // namespace vistrel
