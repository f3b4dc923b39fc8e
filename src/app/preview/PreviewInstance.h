#pragma once

#include "platform/instance/SingleInstance.h"

namespace vistrel {

// The single instance as the preview's windows share it: the first window claims it as any start
// does; a reloaded window is never told that an instance runs (it is this very program), and a
// second start raises the window accepted last, never one that was dropped on trial.
class PreviewInstance : public SingleInstance {
  public:
    explicit PreviewInstance(SingleInstance& instance) : instance_(instance) {}

    bool activateRunningInstance() override;
    void becomeRunningInstance(std::function<void()> onActivate) override;
    // The window that offered itself last is the one a second start raises from now on.
    void acceptOffered() { raise_ = std::move(offered_); }

  private:
    SingleInstance& instance_;
    bool claimed_ = false;
    std::function<void()> offered_;
    std::function<void()> raise_;
};

} // namespace vistrel
