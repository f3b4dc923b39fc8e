#include "platform/instance/LocalListener.h"

#include <QWinEventNotifier>

#include <string>

#include <windows.h>

namespace vistrel {

namespace {

// A named pipe of this machine; it goes with the process that made it, so a killed instance
// leaves nothing behind.
std::wstring pipePath(const QString& name) {
    return L"\\\\.\\pipe\\" + name.toStdWString();
}

} // namespace

// A pipe that waits for one start at a time to connect, told by an event the GUI thread watches.
struct LocalListener::Channel {
    HANDLE pipe = INVALID_HANDLE_VALUE;
    OVERLAPPED connection{};
    QWinEventNotifier notifier;
    std::function<void()> onKnock;

    // Waits for the next start; the event is set at once where one has already connected.
    void waitForNext() {
        ResetEvent(connection.hEvent);
        if (!ConnectNamedPipe(pipe, &connection) && GetLastError() == ERROR_PIPE_CONNECTED)
            SetEvent(connection.hEvent);
    }
    void knocked() {
        DisconnectNamedPipe(pipe);
        onKnock();
        waitForNext();
    }
};

LocalListener::LocalListener(const QString& name, std::function<void()> onKnock)
    : channel_(std::make_unique<Channel>()) {
    Channel& channel = *channel_;
    channel.onKnock = std::move(onKnock);
    channel.connection.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    // Inbound only, from this machine only, and never a pipe that someone else made first.
    channel.pipe = CreateNamedPipeW(
        pipePath(name).c_str(),
        PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
        PIPE_TYPE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1, 0, 64, 0, nullptr);
    if (channel.pipe == INVALID_HANDLE_VALUE || !channel.connection.hEvent)
        return;
    channel.notifier.setHandle(channel.connection.hEvent);
    QObject::connect(&channel.notifier, &QWinEventNotifier::activated, &channel.notifier,
                     [&channel] { channel.knocked(); });
    channel.waitForNext();
    channel.notifier.setEnabled(true);
}

LocalListener::~LocalListener() {
    channel_->notifier.setEnabled(false);
    if (channel_->pipe != INVALID_HANDLE_VALUE) {
        CancelIo(channel_->pipe);
        CloseHandle(channel_->pipe);
    }
    if (channel_->connection.hEvent)
        CloseHandle(channel_->connection.hEvent);
}

bool LocalListener::knock(const QString& name, int timeoutMs) {
    const std::wstring path = pipePath(name);
    if (!WaitNamedPipeW(path.c_str(), DWORD(timeoutMs)))
        return false;
    const HANDLE pipe =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (pipe == INVALID_HANDLE_VALUE)
        return false;
    // Windows lets only the program in front bring a window forward: this start is, and hands
    // that right on to the running instance it asks.
    AllowSetForegroundWindow(ASFW_ANY);
    DWORD written = 0;
    WriteFile(pipe, "activate\n", 9, &written, nullptr);
    CloseHandle(pipe);
    return true;
}

} // namespace vistrel
