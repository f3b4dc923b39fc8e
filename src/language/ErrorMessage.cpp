#include "language/ErrorMessage.h"

#include "language/MessageText.h"
#include "platform/MessageBoxes.h"

namespace vistrel {

QString fillPlaceholder(const QString& text, const QString& value) {
    return QString::fromStdString(replacePlaceholder(text.toStdString(), value.toStdString()));
}

void showErrorMessage(MessageBoxes& messages, const QString& title, const QString& text,
                      const QString& value) {
    messages.showError(title, fillPlaceholder(text, value));
}

} // namespace vistrel
