#include "doubles/FifoWatchdog.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace vistrel::test {

bool makeFifo(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

FifoWatchdog::FifoWatchdog(QStringList fifos, std::chrono::milliseconds patience)
    : fifos_(std::move(fifos)), thread_([this, patience] { watch(patience); }) {}

FifoWatchdog::~FifoWatchdog() {
    {
        const std::lock_guard lock(mutex_);
        done_ = true;
    }
    doneChanged_.notify_all();
    thread_.join();
}

void FifoWatchdog::watch(std::chrono::milliseconds patience) {
    std::unique_lock lock(mutex_);
    if (doneChanged_.wait_for(lock, patience, [this] { return done_; }))
        return;
    while (!doneChanged_.wait_for(lock, std::chrono::milliseconds(50), [this] { return done_; }))
        relieve();
}

void FifoWatchdog::relieve() {
    for (const QString& fifo : std::as_const(fifos_)) {
        // Without O_NONBLOCK this would wait for a reader; with it, it opens only when a reader
        // is waiting, which is what the watchdog looks for.
        const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            fired_ = true;
            ::close(fd);
        }
    }
}

} // namespace vistrel::test
