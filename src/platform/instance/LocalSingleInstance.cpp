#include "platform/instance/LocalSingleInstance.h"

#include "platform/instance/InstanceLock.h"
#include "platform/instance/LocalListener.h"

#include <QDir>

namespace vistrel {

namespace {
constexpr int kConnectTimeoutMs = 1000;
constexpr int kLockWaitMs = 3000;
} // namespace

LocalSingleInstance::LocalSingleInstance(QString name) : name_(std::move(name)) {}

LocalSingleInstance::~LocalSingleInstance() {
    release();
}

QString LocalSingleInstance::defaultName() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = QDir::home().dirName();
    QString session = qEnvironmentVariable("XDG_SESSION_ID");
    if (session.isEmpty())
        session = qEnvironmentVariable("DISPLAY");
    session.replace(QLatin1Char(':'), QLatin1Char('_')).replace(QLatin1Char('/'), QLatin1Char('_'));
    return QStringLiteral("vistrel-%1-%2").arg(user, session);
}

bool LocalSingleInstance::askRunningInstance() {
    return LocalListener::knock(name_, kConnectTimeoutMs);
}

bool LocalSingleInstance::activateRunningInstance() {
    const QString lockPath = QDir::temp().filePath(name_ + ".lock");
    // The lock decides who runs, even for two starts at the same moment.
    lock_ = std::make_unique<InstanceLock>(lockPath);
    if (lock_->tryLock(0))
        return false;
    if (askRunningInstance()) {
        lock_.reset();
        return true;
    }
    // The owner is alive but not yet listening: wait for it briefly, then ask again.
    if (lock_->tryLock(kLockWaitMs))
        return false;
    const bool asked = askRunningInstance();
    lock_.reset();
    return asked;
}

void LocalSingleInstance::becomeRunningInstance(std::function<void()> onActivate) {
    listener_ = std::make_unique<LocalListener>(name_, std::move(onActivate));
}

void LocalSingleInstance::release() {
    listener_.reset();
    lock_.reset();
}

} // namespace vistrel
