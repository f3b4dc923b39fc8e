#include "platform/messages/TrialMessageBoxes.h"

#include "platform/log/Terminal.h"

namespace vistrel {

void TrialMessageBoxes::present(const QString& title, const QString& text) {
    if (accepted_)
        presentIn(boxes_, title, text);
    else
        sayOnTerminal("message: " + title + ": " + text);
}

} // namespace vistrel
