#pragma once

#include "window/LanguageTexts.h"
#include "window/Messages.h"

#include <QObject>
#include <QString>

namespace vistrel {

class MessageBoxes;
class ProfileSnapshot;
class Registry;

// The one place the language choice goes down to: it recalls the language last chosen, loads a
// language file (each read once), remembers the choice and puts the texts where the program's
// messages take them.
class LanguageLoader : public QObject {
    Q_OBJECT
  public:
    // languageFolder: where the disc keeps its "<name>.lng" files; boxes: where a missing file is
    // said; messages: where the texts go.
    LanguageLoader(QString languageFolder, Registry& registry, MessageBoxes& boxes,
                   Messages& messages);

    // The language last chosen when this disc has it, else the disc's default. A language chosen
    // on another disc that this one lacks must not stop it from starting; that choice is kept
    // until the user makes another. False (after its message) when the default is missing too.
    bool loadStartLanguage(const QString& discDefault);
    // The viewer's choice: loaded and remembered. False (after its own message, and with
    // nothing changed) when the language file does not exist.
    bool LoadLanguage(const QString& name);

    // The language in use, and its texts.
    const QString& current() const { return current_; }
    const LanguageTexts& texts() const { return messages_.texts(); }

    // The program's own registry key, where the language last loaded is remembered.
    static inline const QString RegistryKey = QStringLiteral("SOFTWARE\\Nordquill\\Vistrel");

  signals:
    // A language was loaded: the entry of this name is the one in use,
    void loaded(const QString& name);
    // and these are the texts the window shows.
    void textsChanged(const LanguageTexts& texts);

  private:
    // Whether the choice is kept for the next start, and a missing file said.
    enum class Remember { Yes, No };
    enum class Missing { Said, Silent };

    QString filePath(const QString& name) const;
    bool load(const QString& name, Remember remember, Missing missing);
    QString text(const ProfileSnapshot& file, const LanguageKey& entry) const;
    LanguageTexts readTexts(const ProfileSnapshot& file) const;

    QString folder_;
    Registry& registry_;
    MessageBoxes& boxes_;
    Messages& messages_;
    QString current_;
};

} // namespace vistrel
