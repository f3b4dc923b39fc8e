#pragma once

#include <QString>

namespace vistrel {

class MessageBoxes;

// A language text with every "%s" replaced by the value the situation names.
QString fillPlaceholder(const QString& text, const QString& value);

// Shows an error message of the program: the text with "%s" filled in by the value (cut to
// MessageValueLimit), under the message title.
void showErrorMessage(MessageBoxes& messages, const QString& title, const QString& text,
                      const QString& value = {});

} // namespace vistrel
