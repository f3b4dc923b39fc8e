#pragma once

#include <QString>

namespace vistrel {

class Core;

// Reads a language file, applies its tooltips and captions and remembers the choice.
class LanguageLoader {
  public:
    explicit LanguageLoader(Core& core) : core_(core) {}

    // False (after its own message) when the language file does not exist.
    bool LoadLanguage(const QString& name);

    static QString languageFilePath(const QString& appPath, const QString& name);
    // The program's own registry key, where the language last loaded is remembered.
    static inline const QString RegistryKey = QStringLiteral("SOFTWARE\\Nordquill\\Vistrel");

  private:
    void readTexts(const QString& path);
    void applyTexts();

    Core& core_;
};

} // namespace vistrel
