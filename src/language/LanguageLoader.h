#pragma once

#include "window/LanguageTexts.h"

#include <QObject>
#include <QString>

#include <string_view>

namespace vistrel {

class MessageBoxes;
class ProfileSnapshot;
class Registry;

// Reads a language file, announces its texts and remembers the choice.
class LanguageLoader : public QObject {
    Q_OBJECT
  public:
    // languageFolder: where the disc keeps its "<name>.lng" files.
    LanguageLoader(QString languageFolder, Registry& registry, MessageBoxes& messages);

    // Whether the choice is kept for the next start.
    enum class Remember { Yes, No };

    // False (after its own message) when the language file does not exist.
    bool LoadLanguage(const QString& name, Remember remember = Remember::Yes);
    // Whether this disc has the named language.
    bool hasLanguage(const QString& name) const;

    const LanguageTexts& texts() const { return texts_; }
    // The name of the language last loaded.
    const QString& current() const { return current_; }
    // The program's own registry key, where the language last loaded is remembered.
    static inline const QString RegistryKey = QStringLiteral("SOFTWARE\\Nordquill\\Vistrel");

  signals:
    // A language was loaded: its tooltips and captions are to be shown.
    void loaded(const LanguageTexts& texts);

  private:
    QString filePath(const QString& name) const;
    QString text(const ProfileSnapshot& file, std::string_view section, std::string_view key) const;
    void readTexts(const QString& path);

    QString folder_;
    Registry& registry_;
    MessageBoxes& messages_;
    LanguageTexts texts_;
    QString current_;
};

} // namespace vistrel
