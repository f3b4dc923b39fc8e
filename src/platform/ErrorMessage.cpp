#include "platform/ErrorMessage.h"

#include "platform/MessageBoxes.h"
#include "text/MessageText.h"

namespace vistrel {

QString fillPlaceholder(const QString& text, const QString& value) {
    return QString::fromStdString(replacePlaceholder(text.toStdString(), value.toStdString()));
}

void showErrorMessage(MessageBoxes& messages, const QString& title, const QString& text,
                      const QString& value) {
    messages.showError(title, fillPlaceholder(text, value));
}

} // namespace vistrel
