#pragma once

#include "platform/SingleInstance.h"

#include <QLockFile>
#include <QString>

#include <memory>

class QLocalServer;

namespace vistrel {

// One instance per user and session: a lock file decides who runs, a local socket carries the
// second start's request to raise the window. A lock left by a killed instance is stale and
// taken over, and its socket removed.
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
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
};

} // namespace vistrel
