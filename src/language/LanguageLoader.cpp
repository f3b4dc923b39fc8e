#include "language/LanguageLoader.h"

#include "platform/disc/FilePaths.h"
#include "platform/disc/ReadIni.h"
#include "platform/log/Log.h"
#include "platform/messages/MessageBoxes.h"
#include "platform/settings/Registry.h"
#include "window/LanguageKeys.h"

namespace vistrel {

LanguageLoader::LanguageLoader(QString languageFolder, Registry& registry, MessageBoxes& boxes,
                               Messages& messages)
    : folder_(std::move(languageFolder)), registry_(registry), boxes_(boxes), messages_(messages) {}

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
            boxes_.showError("Error", "File " + shortenedText(path, MessageValueLimit) +
                                          " not found. Cannot load language definitions.");
        return false;
    }
    messages_.setTexts(readTexts(file));
    current_ = name;
    emit textsChanged(messages_.texts());
    emit loaded(name);
    if (remember == Remember::Yes)
        registry_.WriteRegistryValue(RegistryRoot::CurrentUser, RegistryKey, "Language",
                                     RegistryValue::fromText(name));
    qCInfo(logLanguage).noquote() << "language:" << name;
    return true;
}

// A key the file lacks shows the program's own English text rather than nothing: a blank
// message box would hide every later error from the user.
QString LanguageLoader::text(const ProfileSnapshot& file, const LanguageKey& entry) const {
    static const QString missing = QStringLiteral("\x01missing");
    const auto latin1 = [](std::string_view name) {
        return QString::fromLatin1(name.data(), qsizetype(name.size()));
    };
    const QString value = file.value(latin1(entry.section), latin1(entry.key), missing);
    if (value != missing)
        return value;
    qCInfo(logLanguage).noquote() << "language file lacks"
                                  << latin1(entry.section) + "/" + latin1(entry.key)
                                  << "- the English text shows";
    return QString::fromUtf8(entry.english.data(), qsizetype(entry.english.size()));
}

// Every key of the table, the tooltips logged in the order of the buttons.
LanguageTexts LanguageLoader::readTexts(const ProfileSnapshot& file) const {
    LanguageTexts texts;
    for (const LanguageKey& entry : LanguageKeys)
        texts[*TextKey::find(entry.key)] = text(file, entry);
    QStringList tips;
    for (const ButtonRow& row : Buttons)
        if (row.toolTipKey)
            tips.append(texts.toolTip(row));
    qCInfo(logLanguage).noquote() << "tooltips:" << tips.join(QLatin1String(" | "));
    return texts;
}

} // namespace vistrel
