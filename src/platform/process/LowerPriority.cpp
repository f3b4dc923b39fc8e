#include "platform/process/LowerPriority.h"

#include <thread>

#ifdef __linux__
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace vistrel {

namespace {
// Below the display server and the desktop, but well above batch work.
constexpr int PriorityStep = 10;
} // namespace

void lowerThisThreadsPriority() {
#ifdef __linux__
    thread_local bool lowered = false;
    if (lowered)
        return;
    lowered = true;
    // On Linux a thread's nice value is its own; the rest of the program keeps its priority.
    const auto thread = static_cast<id_t>(syscall(SYS_gettid));
    setpriority(PRIO_PROCESS, thread, getpriority(PRIO_PROCESS, thread) + PriorityStep);
#endif
}

void runAtLowerPriority(const std::function<void()>& task) {
    std::thread([&task] {
        lowerThisThreadsPriority();
        task();
    }).join();
}

} // namespace vistrel
