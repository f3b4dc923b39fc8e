#include "app/check/LanguageCheck.h"

#include "app/check/DiscText.h"
#include "app/check/NameCheck.h"
#include "language/MenuLists.h"
#include "platform/disc/FilePaths.h"
#include "platform/disc/ReadIni.h"
#include "text/CodePageGuess.h"
#include "text/IniFile.h"
#include "text/TextDecoding.h"
#include "text/TextEncoding.h"
#include "window/LanguageKeys.h"

#include <algorithm>

namespace vistrel {

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const KnownNames& languageNames() {
    static const KnownNames names = [] {
        KnownNames known;
        for (const LanguageKey& key : LanguageKeys) {
            if (known.sections.isEmpty() || known.sections.last().section != qs(key.section))
                known.sections.append({qs(key.section), {}});
            known.sections.last().keys.append(qs(key.key));
        }
        return known;
    }();
    return names;
}

// Text that decodes to controls or replacement characters was not written in the encoding it is
// read in; UTF-16 without a byte-order mark reads as UTF-8 full of NUL characters.
bool looksGarbled(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool control =
            (u < 0x20 && u != '\t' && u != '\r' && u != '\n') || (u >= 0x7F && u <= 0x9F);
        if (control || u == 0xFFFD)
            return true;
    }
    return false;
}

// The first text with a letter beyond ASCII, as the program shows it, for the author to recognise.
QString firstAccentedText(const std::string& text) {
    for (const QString& line : QString::fromStdString(text).split(QLatin1Char('\n'))) {
        const QString value = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
        if (std::any_of(value.begin(), value.end(), [](QChar c) { return c.unicode() > 0x7F; }))
            return value.left(40);
    }
    return {};
}

void checkKeys(const QString& file, const IniFile& ini, Findings& findings) {
    QStringList missing;
    for (const LanguageKey& key : LanguageKeys) {
        const std::optional<std::string> value = ini.value(key.section, key.key);
        if (!value) {
            missing.append(QStringLiteral("[%1] %2").arg(qs(key.section), qs(key.key)));
        } else if (key.takesValue && value->find("%s") == std::string::npos) {
            findings.append(warning(
                file,
                qs(key.key) + " has no %s, so its message will not name " + "what it is about",
                "put %s where the name belongs, as in \"" + qs(key.english) + "\""));
        }
    }
    if (!missing.isEmpty())
        findings.append(warning(file,
                                QStringLiteral("%1 key(s) missing, shown in the program's English: "
                                               "%2")
                                    .arg(missing.size())
                                    .arg(missing.join(", ")),
                                "add them to the file"));
}

void checkLanguageFile(const CheckedDisc& disc, const QString& path, Findings& findings) {
    const QString file = disc.relative(path);
    const std::optional<std::string> bytes = readDiscText(path);
    if (!bytes) {
        findings.append(error(file, "the language file cannot be read", "check its permissions"));
        return;
    }
    const std::string text = decodeText(*bytes);
    const std::optional<CodePage> page = otherCodePage(*bytes);
    // The code page comes first, as it is what to mend; the keys are plain ASCII and are still
    // checked below.
    if (page)
        findings.append(warning(file,
                                "the text was saved as " + qs(page->name) + " (" +
                                    qs(page->script) +
                                    "), but the program reads 8-bit text as Windows-1252 and "
                                    "shows \"" +
                                    firstAccentedText(text) + "\"",
                                "save it as UTF-8"));
    findings.append(note(file, "read as " + qs(encodingName(textEncoding(*bytes)))));
    if (!page && looksGarbled(QString::fromStdString(text))) {
        // Keys read from garbled text say nothing about the file as its author wrote it.
        findings.append(warning(file,
                                "the text decodes to control or replacement characters (UTF-16 "
                                "without a byte-order mark?), so its texts show garbled or not at "
                                "all",
                                "save it as UTF-8, as UTF-16 with a byte-order mark, or as "
                                "Windows-1252"));
        return;
    }
    findings.append(checkNames(file, text, languageNames()));
    checkKeys(file, IniFile::parse(text), findings);
}

} // namespace

Findings checkLanguages(const CheckedDisc& disc) {
    const QString folder = resolvePath(joinPath(disc.folder.root(), "Language"));
    const QStringList files = listLanguageFiles(folder);
    if (files.isEmpty())
        return {error("Language", "there is no .lng file under Language; the program ends",
                      "add Language/" + disc.config.defaultLanguage + ".lng")};
    Findings findings;
    const QString defaultFile = joinPath(folder, disc.config.defaultLanguage + ".lng");
    if (!isProfileFile(defaultFile))
        findings.append(error("Language/" + disc.config.defaultLanguage + ".lng",
                              "the file of [Main] DefaultLanguage=" + disc.config.defaultLanguage +
                                  " is missing; the program ends on a first start",
                              "add it, or set DefaultLanguage to one of the disc's languages"));
    for (const QString& name : files)
        checkLanguageFile(disc, joinPath(folder, name), findings);
    return findings;
}

} // namespace vistrel
