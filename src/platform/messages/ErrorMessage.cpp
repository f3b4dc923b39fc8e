#include "platform/messages/ErrorMessage.h"

#include "platform/messages/MessageBoxes.h"
#include "text/MessageText.h"

namespace vistrel {

QString fillPlaceholder(const QString& text, const QString& value) {
    return QString::fromStdString(replacePlaceholder(text.toStdString(), value.toStdString()));
}

void showErrorMessage(MessageBoxes& messages, const QString& title, const QString& text,
                      const QString& value) {
    // The value may come from the disc or the settings at any length; the text stays readable.
    messages.showError(title, fillPlaceholder(text, shortenedText(value, MessageValueLimit)));
}

} // namespace vistrel
