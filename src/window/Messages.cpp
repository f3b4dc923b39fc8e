#include "window/Messages.h"

#include "platform/messages/ErrorMessage.h"
#include "platform/messages/MessageBoxes.h"

namespace vistrel {

Messages::Messages(MessageBoxes& boxes, QString title) : boxes_(boxes), title_(std::move(title)) {}

// A text that names no value is shown as the language file writes it, "%s" and all.
void Messages::showError(TextKey key, const QString& value) const {
    if (key.entry().takesValue)
        showErrorMessage(boxes_, title_, texts_[key], value);
    else
        boxes_.showError(title_, texts_[key]);
}

void Messages::showUntranslated(const QString& text) const {
    boxes_.showError(title_, text);
}

} // namespace vistrel
