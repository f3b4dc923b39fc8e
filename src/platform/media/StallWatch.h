#pragma once

#include <cstdint>

namespace vistrel {

// Tells a silent stall from playback: fed once a second with whether the framework says it is
// playing and where it is, it asks for a restart after a few seconds without progress, and gives
// up after a few restarts that did not help.
class StallWatch {
  public:
    enum class Action { None, Restart, GiveUp };

    static constexpr int QuietSeconds = 3;
    static constexpr int Restarts = 2;

    Action tick(bool playing, std::int64_t positionMs);
    // A new start (Play, another file): forget everything seen so far.
    void reset();

  private:
    std::int64_t lastPosition_ = -1;
    int quietTicks_ = 0;
    int restarts_ = 0;
};

} // namespace vistrel
