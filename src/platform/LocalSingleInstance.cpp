#include "platform/LocalSingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

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
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write("activate\n");
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool LocalSingleInstance::activateRunningInstance() {
    const QString lockPath = QDir::temp().filePath(name_ + ".lock");
    lock_ = std::make_unique<QLockFile>(lockPath);
    // The lock decides who runs, even for two starts at the same moment; a lock whose owner
    // died is stale and taken over.
    lock_->setStaleLockTime(0);
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
    QLocalServer::removeServer(name_); // a socket left behind by a killed instance
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->listen(name_);
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                     [this, onActivate = std::move(onActivate)] {
                         while (QLocalSocket* client = server_->nextPendingConnection()) {
                             QObject::connect(client, &QLocalSocket::disconnected, client,
                                              &QObject::deleteLater);
                             onActivate();
                         }
                     });
}

void LocalSingleInstance::release() {
    if (server_) {
        server_->close();
        server_.reset();
    }
    if (lock_) {
        lock_->unlock();
        lock_.reset();
    }
}

} // namespace vistrel
