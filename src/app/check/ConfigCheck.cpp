#include "app/check/ConfigCheck.h"

#include "app/check/DiscText.h"
#include "app/check/NameCheck.h"
#include "text/IniFile.h"
#include "text/TextDecoding.h"

namespace vistrel {

namespace {

const QString IniFileName = QStringLiteral("vistrel.ini");

std::optional<Finding> checkVersion(const IniFile& ini, const DiscConfig& config) {
    if (!ini.value("Main", "Version"))
        return warning(IniFileName,
                       "[Main] has no Version; the program takes the file as version 1.0",
                       "add Version=1.0 under [Main]");
    if (!config.versionSupported())
        return error(IniFileName,
                     QStringLiteral("[Main] Version is \"%1\"; the program refuses to start")
                         .arg(config.version),
                     "it must be Version=1.0");
    return std::nullopt;
}

bool isSlideKey(const QString& section, const QString& key) {
    return section == QLatin1String("SlideShow") && DiscConfig::isSlidePictureKey(key);
}

// A slide numbered with leading zeros ("07") is never read: the keys are plain numbers.
QString slideKeyHint(const QString& section, const QString& key) {
    if (section != QLatin1String("SlideShow") || !key.startsWith(QLatin1Char('0')))
        return {};
    QString plain = key;
    while (plain.size() > 1 && plain.startsWith(QLatin1Char('0')))
        plain.remove(0, 1);
    if (!isSlideKey(section, plain))
        return {};
    return QStringLiteral("the picture keys are plain numbers: write %1= instead of %2=")
        .arg(plain, key);
}

} // namespace

Findings checkConfigFile(const CheckedDisc& disc) {
    const std::optional<std::string> bytes = readDiscText(disc.iniPath);
    if (!bytes)
        return {
            error(IniFileName,
                  "vistrel.ini is missing; the program starts with every default and no media",
                  "write vistrel.ini at the disc's root, starting with [Main] and Version=1.0")};
    const std::string text = decodeText(*bytes);
    Findings findings;
    if (const std::optional<Finding> version = checkVersion(IniFile::parse(text), disc.config))
        findings.append(*version);
    findings.append(
        checkNames(IniFileName, text, {DiscConfig::knownKeys(), isSlideKey, slideKeyHint}));
    return findings;
}

} // namespace vistrel
