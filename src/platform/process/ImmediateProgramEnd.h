#pragma once

#include "platform/process/ProgramEnd.h"

#include <functional>
#include <vector>

namespace vistrel {

// Ends the process at once, after the few clean-ups that must not be skipped (the
// single-instance socket, so that the next start is not blocked).
class ImmediateProgramEnd : public ProgramEnd {
  public:
    void addCleanup(std::function<void()> cleanup);

  protected:
    void terminate(const QString& reason, int exitCode) override;

  private:
    std::vector<std::function<void()>> cleanups_;
};

} // namespace vistrel
