#pragma once

#include <QString>

namespace vistrel {

// Ending the program is immediate: no further events run. Callers return right after end().
class ProgramEnd {
  public:
    virtual ~ProgramEnd() = default;
    // The first end counts; a caller further up that ends again changes nothing.
    void end(const QString& reason, int exitCode = 0);

  protected:
    // Told the reason: the one that ends the process logs it; one that does not, keeps it.
    virtual void terminate(const QString& reason, int exitCode) = 0;

  private:
    bool ended_ = false;
};

} // namespace vistrel
