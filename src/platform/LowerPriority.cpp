#include "platform/LowerPriority.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace vistrel {

namespace {
// Below the display server and the desktop, but well above batch work.
constexpr int PriorityStep = 10;
} // namespace

void runAtLowerPriority(const std::function<void()>& task) {
    std::thread([&task] {
        // On Linux a thread's nice value is its own; the caller's stays as it was.
        const auto thread = static_cast<id_t>(syscall(SYS_gettid));
        setpriority(PRIO_PROCESS, thread, getpriority(PRIO_PROCESS, thread) + PriorityStep);
        task();
    }).join();
}

} // namespace vistrel
