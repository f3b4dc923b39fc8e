#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace vistrel {

// The channel on which a second start asks the running instance for its window, named for the
// user and session and open to the user alone: on Linux a plain Unix socket, on Windows a named
// pipe (Qt's local socket would bring Qt Network, and its libraries, into every start).
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
