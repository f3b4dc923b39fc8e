#include "platform/MessageBoxes.h"

#include "platform/Log.h"

namespace vistrel {

void MessageBoxes::showError(const QString& title, const QString& text) {
    qCInfo(logMessage).noquote() << "message:" << title + ":" << text;
    present(title, text);
}

} // namespace vistrel
