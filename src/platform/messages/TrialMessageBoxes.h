#pragma once

#include "platform/messages/MessageBoxes.h"

namespace vistrel {

// The messages of a window on trial: until accepted they go to the terminal, where the author
// who saved the file reads them, rather than a box over the window being edited.
class TrialMessageBoxes : public MessageBoxes {
  public:
    explicit TrialMessageBoxes(MessageBoxes& boxes) : boxes_(boxes) {}
    void accept() { accepted_ = true; }

  protected:
    void present(const QString& title, const QString& text) override;

  private:
    MessageBoxes& boxes_;
    bool accepted_ = false;
};

} // namespace vistrel
