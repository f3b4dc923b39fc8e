#include "platform/process/ImmediateProgramEnd.h"

#include <cstdio>
#include <cstdlib>

namespace vistrel {

void ImmediateProgramEnd::addCleanup(std::function<void()> cleanup) {
    cleanups_.push_back(std::move(cleanup));
}

void ImmediateProgramEnd::terminate(int exitCode) {
    for (auto& cleanup : cleanups_)
        cleanup();
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(exitCode);
}

} // namespace vistrel
