#include "platform/process/TrialProgramEnd.h"

namespace vistrel {

void TrialProgramEnd::terminate(const QString& reason, int exitCode) {
    if (accepted_)
        program_.end(reason, exitCode);
    else
        refusal_ = reason;
}

} // namespace vistrel
