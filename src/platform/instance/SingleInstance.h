#pragma once

#include <functional>

namespace vistrel {

// One running instance per user and session: a second start asks the first to come to the front.
class SingleInstance {
  public:
    virtual ~SingleInstance() = default;
    // True when another instance runs (it has been asked to raise its window).
    virtual bool activateRunningInstance() = 0;
    // Become the running instance; onActivate runs when a later start asks for the window.
    virtual void becomeRunningInstance(std::function<void()> onActivate) = 0;
};

} // namespace vistrel
