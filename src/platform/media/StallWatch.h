#pragma once

#include <cstdint>

namespace vistrel {

// Tells a silent stall from playback: fed once a second with what the framework is doing and
// where it is, it asks for a restart after a few seconds without progress, and gives up after a
// few restarts that did not help. Media that is still starting (prerolling, loading) is not
// restarted, which would only start it over, but it is given up when it never gets going: the
// framework now and then neither plays a broken file nor reports it.
class StallWatch {
  public:
    enum class Action { None, Restart, GiveUp };
    enum class Motion {
        Still,    // not asked to play (paused, stopped, at the end)
        Starting, // asked to play, the media not ready yet
        Playing,  // asked to play and ready: the position must move
    };

    static constexpr int QuietSeconds = 3;
    static constexpr int Restarts = 2;
    static constexpr int StartSeconds = 12;

    Action tick(Motion motion, std::int64_t positionMs);
    // A new start (Play, another file): forget everything seen so far.
    void reset();

  private:
    std::int64_t lastPosition_ = -1;
    int quietTicks_ = 0;
    int restarts_ = 0;
    int startingTicks_ = 0;
};

} // namespace vistrel
