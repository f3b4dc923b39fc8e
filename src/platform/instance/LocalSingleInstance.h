#pragma once

#include "platform/instance/SingleInstance.h"

#include <QString>

#include <memory>

namespace vistrel {

class InstanceLock;
class LocalListener;

// One instance per user and session: a lock file decides who runs, a local socket carries the
// second start's request to raise the window. A killed instance's lock goes with it, and its
// socket is removed.
class LocalSingleInstance : public SingleInstance {
  public:
    explicit LocalSingleInstance(QString name = defaultName());
    ~LocalSingleInstance() override;

    bool activateRunningInstance() override;
    void becomeRunningInstance(std::function<void()> onActivate) override;
    // Gives up the lock and the socket (the program is about to end).
    void release();

    static QString defaultName();

  private:
    bool askRunningInstance();

    QString name_;
    std::unique_ptr<InstanceLock> lock_;
    std::unique_ptr<LocalListener> listener_;
};

} // namespace vistrel
