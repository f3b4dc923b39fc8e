#include "platform/instance/LocalListener.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace vistrel {

namespace {

// Where Qt's local server kept the same name, so that older and newer starts still meet.
bool socketAddress(const QString& name, sockaddr_un& address) {
    const QByteArray path = QFile::encodeName(QDir::temp().filePath(name));
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    return true;
}

// Closes the descriptor when it goes out of scope.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

bool connected(int fd, const sockaddr_un& address, int timeoutMs) {
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        return true;
    if (errno != EINPROGRESS && errno != EAGAIN)
        return false;
    pollfd writable{fd, POLLOUT, 0};
    if (::poll(&writable, 1, timeoutMs) != 1)
        return false;
    int error = 0;
    socklen_t length = sizeof error;
    return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
}

} // namespace

struct LocalListener::Channel {
    QByteArray path;
    int fd = -1;
    std::unique_ptr<QSocketNotifier> notifier;
};

LocalListener::LocalListener(const QString& name, std::function<void()> onKnock)
    : channel_(std::make_unique<Channel>()) {
    sockaddr_un address;
    if (!socketAddress(name, address))
        return;
    FileDescriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (fd.get() < 0)
        return;
    ::unlink(address.sun_path); // a socket left behind by a killed instance
    const mode_t previous = ::umask(S_IRWXG | S_IRWXO);
    const bool bound =
        ::bind(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(previous);
    if (!bound || ::listen(fd.get(), 8) != 0)
        return;
    channel_->path = address.sun_path;
    channel_->fd = fd.release();
    channel_->notifier = std::make_unique<QSocketNotifier>(channel_->fd, QSocketNotifier::Read);
    QObject::connect(channel_->notifier.get(), &QSocketNotifier::activated,
                     channel_->notifier.get(), [fd = channel_->fd, onKnock = std::move(onKnock)] {
                         int client = -1;
                         while ((client = ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC)) >= 0) {
                             ::close(client);
                             onKnock();
                         }
                     });
}

LocalListener::~LocalListener() {
    channel_->notifier.reset();
    if (channel_->fd < 0)
        return;
    ::close(channel_->fd);
    ::unlink(channel_->path.constData());
}

bool LocalListener::knock(const QString& name, int timeoutMs) {
    sockaddr_un address;
    if (!socketAddress(name, address))
        return false;
    FileDescriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (fd.get() < 0 || !connected(fd.get(), address, timeoutMs))
        return false;
    // The listener may already have closed its end: no signal for that.
    static constexpr char Request[] = "activate\n";
    ::send(fd.get(), Request, sizeof Request - 1, MSG_NOSIGNAL);
    return true;
}

} // namespace vistrel
