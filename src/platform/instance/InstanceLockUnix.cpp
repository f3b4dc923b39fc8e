#include "platform/instance/InstanceLock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vistrel {

struct InstanceLock::Handle {
    int fd = -1;
    bool held = false;
};

InstanceLock::InstanceLock(const QString& path) : handle_(std::make_unique<Handle>()) {
    handle_->fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
}

InstanceLock::~InstanceLock() {
    // Closing lets the lock go; the file stays, as removing it would race with the next start.
    if (handle_->fd >= 0)
        ::close(handle_->fd);
}

bool InstanceLock::tryLock(int waitMs) {
    if (handle_->fd < 0)
        return false;
    const QDeadlineTimer deadline(waitMs);
    while (!handle_->held) {
        handle_->held = ::flock(handle_->fd, LOCK_EX | LOCK_NB) == 0;
        if (handle_->held || deadline.hasExpired())
            break;
        QThread::msleep(20);
    }
    return handle_->held;
}

} // namespace vistrel
