#include "platform/process/ImmediateProgramEnd.h"

#include "platform/log/Log.h"

#include <cstdio>
#include <cstdlib>

namespace vistrel {

void ImmediateProgramEnd::addCleanup(std::function<void()> cleanup) {
    cleanups_.push_back(std::move(cleanup));
}

void ImmediateProgramEnd::terminate(const QString& reason, int exitCode) {
    qCInfo(logExit).noquote() << "exit:" << reason;
    for (auto& cleanup : cleanups_)
        cleanup();
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(exitCode);
}

} // namespace vistrel
