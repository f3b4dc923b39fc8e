#pragma once

#include "window/Buttons.h"
#include "window/LanguageKeys.h"

#include <QString>

#include <array>

namespace vistrel {

// The texts of one language, by key; empty until a language is loaded.
class LanguageTexts {
  public:
    const QString& operator[](TextKey key) const { return texts_[key.index()]; }
    QString& operator[](TextKey key) { return texts_[key.index()]; }

    // The button's tooltip; empty for a button without one.
    QString toolTip(const ButtonRow& row) const {
        const std::optional<TextKey> key =
            row.toolTipKey ? TextKey::find(row.toolTipKey) : std::nullopt;
        return key ? (*this)[*key] : QString();
    }

  private:
    std::array<QString, LanguageKeys.size()> texts_;
};

} // namespace vistrel
