#include "language/LanguageLoader.h"

#include "language/LanguageKeys.h"
#include "platform/disc/FilePaths.h"
#include "platform/disc/ReadIni.h"
#include "platform/log/Log.h"
#include "platform/messages/MessageBoxes.h"
#include "platform/settings/Registry.h"

namespace vistrel {

LanguageLoader::LanguageLoader(QString languageFolder, Registry& registry, MessageBoxes& messages,
                               QString messageTitle)
    : folder_(std::move(languageFolder)), registry_(registry), messages_(messages),
      messageTitle_(std::move(messageTitle)) {}

QString LanguageLoader::filePath(const QString& name) const {
    return joinPath(folder_, name + QStringLiteral(".lng"));
}

bool LanguageLoader::loadStartLanguage(const QString& discDefault) {
    const QString remembered =
        registry_.ReadRegistryValue(RegistryRoot::CurrentUser, RegistryKey, "Language").toText();
    if (!remembered.isEmpty()) {
        if (load(remembered, Remember::Yes, Missing::Silent)) {
            qCInfo(logStartup).noquote() << "language chosen:" << remembered;
            return true;
        }
        qCInfo(logStartup).noquote() << "remembered language not on this disc:" << remembered;
    }
    qCInfo(logStartup).noquote() << "language chosen:" << discDefault;
    return load(discDefault, remembered.isEmpty() ? Remember::Yes : Remember::No, Missing::Said);
}

bool LanguageLoader::LoadLanguage(const QString& name) {
    return load(name, Remember::Yes, Missing::Said);
}

// The file is read once: a pipe, a device or an oversized file would block or flood the reader,
// and is not found. The language's name goes no further down than the store.
bool LanguageLoader::load(const QString& name, Remember remember, Missing missing) {
    const QString path = filePath(name);
    const ProfileSnapshot file(path);
    if (!file.found()) {
        if (missing == Missing::Said)
            messages_.showError("Error", "File " + shortenedText(path, MessageValueLimit) +
                                             " not found. Cannot load language definitions.");
        return false;
    }
    readTexts(file);
    current_ = name;
    emit textsChanged(texts_);
    emit loaded(name);
    if (remember == Remember::Yes)
        registry_.WriteRegistryValue(RegistryRoot::CurrentUser, RegistryKey, "Language",
                                     RegistryValue::fromText(name));
    qCInfo(logLanguage).noquote() << "language:" << name;
    return true;
}

// A key the file lacks shows the program's own English text rather than nothing: a blank
// message box would hide every later error from the user.
QString LanguageLoader::text(const ProfileSnapshot& file, std::string_view section,
                             std::string_view key) const {
    static const QString missing = QStringLiteral("\x01missing");
    const QString sectionName = QString::fromLatin1(section.data(), qsizetype(section.size()));
    const QString keyName = QString::fromLatin1(key.data(), qsizetype(key.size()));
    const QString value = file.value(sectionName, keyName, missing);
    if (value != missing)
        return value;
    const LanguageKey* known = findLanguageKey(section, key);
    qCInfo(logLanguage).noquote() << "language file lacks" << sectionName + "/" + keyName
                                  << "- the English text shows";
    return known ? QString::fromUtf8(known->english.data(), qsizetype(known->english.size()))
                 : QString();
}

// Every key the texts hold, the tooltips by the table of buttons.
void LanguageLoader::readTexts(const ProfileSnapshot& file) {
    LanguageTexts& t = texts_;
    for (const LanguageKey& entry : LanguageKeys)
        if (QString* field = textOf(t, entry.section, entry.key))
            *field = text(file, entry.section, entry.key);
    t.MsgTitle = messageTitle_;
    QStringList tips;
    for (const ButtonRow& row : Buttons)
        if (row.toolTipKey)
            tips.append(t.ToolTips[static_cast<std::size_t>(row.id)]);
    qCInfo(logLanguage).noquote() << "tooltips:" << tips.join(QLatin1String(" | "));
}

} // namespace vistrel
