#include "platform/instance/InstanceLock.h"

#include <QFileInfo>

#include <string>

#include <windows.h>

namespace vistrel {

// A mutex of the user's session named after the lock's file: Windows gives it up when its owner
// dies (the next owner is told so, and takes it), and it costs no file on the disk.
struct InstanceLock::Handle {
    HANDLE mutex = nullptr;
    bool held = false;
};

InstanceLock::InstanceLock(const QString& path) : handle_(std::make_unique<Handle>()) {
    const std::wstring name = L"Local\\" + QFileInfo(path).fileName().toStdWString();
    handle_->mutex = CreateMutexW(nullptr, FALSE, name.c_str());
}

InstanceLock::~InstanceLock() {
    if (handle_->held)
        ReleaseMutex(handle_->mutex);
    if (handle_->mutex)
        CloseHandle(handle_->mutex);
}

bool InstanceLock::tryLock(int waitMs) {
    if (handle_->held || !handle_->mutex)
        return handle_->held;
    const DWORD waited = WaitForSingleObject(handle_->mutex, DWORD(waitMs));
    handle_->held = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    return handle_->held;
}

} // namespace vistrel
