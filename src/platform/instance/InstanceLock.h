#pragma once

#include <QString>

#include <memory>

namespace vistrel {

// A lock held by the one running instance; the system lets it go when that instance dies, so a
// killed instance never blocks the next start. On Linux a plain flock(2) on the file (Qt's lock
// file reads the machine's identity and writes its own on every start); on Windows a mutex of the
// user's session named after the file.
class InstanceLock {
  public:
    explicit InstanceLock(const QString& path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True once this process holds the lock, trying for up to waitMs.
    bool tryLock(int waitMs);

  private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
};

} // namespace vistrel
