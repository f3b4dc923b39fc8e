#include "platform/media/StallWatch.h"

namespace vistrel {

void StallWatch::reset() {
    lastPosition_ = -1;
    quietTicks_ = 0;
    restarts_ = 0;
    startingTicks_ = 0;
}

StallWatch::Action StallWatch::tick(Motion motion, std::int64_t positionMs) {
    if (motion != Motion::Playing) {
        quietTicks_ = 0;
        lastPosition_ = -1;
        startingTicks_ = motion == Motion::Starting ? startingTicks_ + 1 : 0;
        return startingTicks_ >= StartSeconds ? Action::GiveUp : Action::None;
    }
    startingTicks_ = 0;
    if (positionMs != lastPosition_) {
        lastPosition_ = positionMs;
        quietTicks_ = 0;
        restarts_ = 0;
        return Action::None;
    }
    if (++quietTicks_ < QuietSeconds)
        return Action::None;
    quietTicks_ = 0;
    if (restarts_ >= Restarts)
        return Action::GiveUp;
    ++restarts_;
    return Action::Restart;
}

} // namespace vistrel
