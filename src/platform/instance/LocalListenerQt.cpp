#include "platform/instance/LocalListener.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace vistrel {

struct LocalListener::Channel {
    QLocalServer server;
};

LocalListener::LocalListener(const QString& name, std::function<void()> onKnock)
    : channel_(std::make_unique<Channel>()) {
    QLocalServer& server = channel_->server;
    QLocalServer::removeServer(name); // a socket left behind by a killed instance
    server.setSocketOptions(QLocalServer::UserAccessOption);
    server.listen(name);
    QObject::connect(&server, &QLocalServer::newConnection, &server,
                     [&server, onKnock = std::move(onKnock)] {
                         while (QLocalSocket* client = server.nextPendingConnection()) {
                             QObject::connect(client, &QLocalSocket::disconnected, client,
                                              &QObject::deleteLater);
                             onKnock();
                         }
                     });
}

LocalListener::~LocalListener() {
    channel_->server.close();
}

bool LocalListener::knock(const QString& name, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write("activate\n");
    socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return true;
}

} // namespace vistrel
