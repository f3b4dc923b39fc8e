#include "platform/instance/InstanceLock.h"

#include <QLockFile>

namespace vistrel {

struct InstanceLock::Handle {
    explicit Handle(const QString& path) : file(path) {}
    QLockFile file;
};

InstanceLock::InstanceLock(const QString& path) : handle_(std::make_unique<Handle>(path)) {
    // A lock whose owner died is stale and taken over.
    handle_->file.setStaleLockTime(0);
}

InstanceLock::~InstanceLock() = default;

bool InstanceLock::tryLock(int waitMs) {
    return handle_->file.isLocked() || handle_->file.tryLock(waitMs);
}

} // namespace vistrel
