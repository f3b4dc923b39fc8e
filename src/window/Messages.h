#pragma once

#include "window/LanguageTexts.h"

#include <QString>

namespace vistrel {

class MessageBoxes;

// The one owner of the texts the program says. Each language loaded puts its texts here, and
// whoever has something to say asks by the key and the value to put in: no feature keeps a copy
// that a change of language could leave behind.
class Messages {
  public:
    // title: the title of every message box, whatever the language (the disc's own name).
    Messages(MessageBoxes& boxes, QString title);

    const LanguageTexts& texts() const { return texts_; }
    void setTexts(LanguageTexts texts) { texts_ = std::move(texts); }

    // The error message of the key in the language in use, "%s" filled in by the value where the
    // key takes one.
    void showError(TextKey key, const QString& value = {}) const;
    // A message of the program's own that no language file translates, under the same title.
    void showUntranslated(const QString& text) const;

  private:
    MessageBoxes& boxes_;
    QString title_;
    LanguageTexts texts_;
};

} // namespace vistrel
