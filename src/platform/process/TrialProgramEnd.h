#pragma once

#include "platform/process/ProgramEnd.h"

namespace vistrel {

// The end of a window on trial (a reload that may fail): until accepted, an end is kept as the
// refusal and the process goes on; once accepted, an end is the program's.
class TrialProgramEnd : public ProgramEnd {
  public:
    explicit TrialProgramEnd(ProgramEnd& program) : program_(program) {}
    void accept() { accepted_ = true; }
    // Why the trial ended; empty while it has not.
    const QString& refusal() const { return refusal_; }

  protected:
    void terminate(const QString& reason, int exitCode) override;

  private:
    ProgramEnd& program_;
    bool accepted_ = false;
    QString refusal_;
};

} // namespace vistrel
