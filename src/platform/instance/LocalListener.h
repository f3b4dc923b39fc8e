#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace vistrel {

// The channel on which a second start asks the running instance for its window: a local socket
// named for the user and session, open to the user alone. On Linux it is a plain Unix socket (Qt
// Network would add ten libraries to the start for it); elsewhere Qt's local socket.
class LocalListener {
  public:
    // Listens under name, taking over a socket a killed instance left; onKnock runs on the GUI
    // thread for each start that knocks.
    LocalListener(const QString& name, std::function<void()> onKnock);
    ~LocalListener();
    LocalListener(const LocalListener&) = delete;
    LocalListener& operator=(const LocalListener&) = delete;

    // True when a listener under name answered within the time.
    static bool knock(const QString& name, int timeoutMs);

  private:
    struct Channel;
    std::unique_ptr<Channel> channel_;
};

} // namespace vistrel
