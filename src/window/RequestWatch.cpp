#include "window/RequestWatch.h"

namespace vistrel {

void RequestWatch::start() {
    quietTicks_ = 0;
    askedAgain_ = 0;
}

RequestWatch::Action RequestWatch::tick(bool granted) {
    if (granted)
        return Action::Done;
    if (++quietTicks_ < QuietTicks)
        return Action::Wait;
    quietTicks_ = 0;
    if (askedAgain_ >= Tries)
        return Action::GiveUp;
    ++askedAgain_;
    return Action::AskAgain;
}

} // namespace vistrel
