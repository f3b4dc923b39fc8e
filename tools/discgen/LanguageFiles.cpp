#include "LanguageFiles.h"

#include "text/TextDecoding.h"
#include "window/Buttons.h"
#include "window/LanguageKeys.h"

#include <QDir>
#include <QSaveFile>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vistrel::discgen {

namespace {

using Entries = std::vector<std::pair<std::string_view, std::string_view>>;

struct Section {
    std::string name;
    Entries entries;
};

// The program's own English texts, every key in the order the program knows them.
std::vector<Section> english() {
    std::vector<Section> sections;
    for (const LanguageKey& entry : LanguageKeys) {
        if (sections.empty() || sections.back().name != entry.section)
            sections.push_back({std::string(entry.section), {}});
        sections.back().entries.emplace_back(entry.key, entry.english);
    }
    return sections;
}

// German tooltips are the window's own texts before a language is loaded.
Entries germanToolTips() {
    Entries entries;
    for (const LanguageKey& entry : LanguageKeys)
        for (const ButtonRow& row : Buttons)
            if (entry.section == "Tooltip" && row.toolTipKey && entry.key == row.toolTipKey)
                entries.emplace_back(entry.key, row.toolTip);
    return entries;
}

std::vector<Section> german() {
    return {
        {"Tooltip", germanToolTips()},
        {"Menu",
         {{"mnuChooseLanguage", "Sprache wechseln..."},
          {"mnuChooseSkin", "Skin wechseln..."},
          {"mnuAbout", "Über..."},
          {"mnuExit", "Schließen"}}},
        {"ErrorMsg",
         {{"errFileNotFound", "Die Datei %s wurde nicht gefunden."},
          {"errPathNotFound", "Der Ordner %s wurde nicht gefunden."},
          {"errSkinNotFound", "Der Skin %s wurde nicht gefunden."},
          {"errSlideshow", "Für die Diashow wurden keine Bilder gefunden."},
          {"errINIVersion", "Die Konfigurationsdatei %s hat eine unbekannte Version."},
          {"errCodecNotInstalled", "%s ist nicht installiert. Bitte installieren Sie ihn zuerst."},
          {"errCannotStart", "Das Programm %s konnte nicht gestartet werden."},
          {"errFolderNotOpened", "Der Ordner %s konnte nicht geöffnet werden. Bitte öffnen "
                                 "Sie ihn von Hand."},
          {"errFileNotOpened", "Die Datei %s konnte nicht geöffnet werden. Bitte öffnen "
                               "Sie sie von Hand."},
          {"errCannotPlay", "Die Datei %s kann nicht abgespielt werden."}}}};
}

// The file's text in UTF-8, with Windows line ends.
std::string profileText(const char* comment, const std::vector<Section>& sections) {
    std::string text = std::string("; ") + comment + "\r\n";
    for (const Section& section : sections) {
        text += std::string("\r\n[") + section.name + "]\r\n";
        for (const auto& [key, value] : section.entries)
            text += std::string(key) + "=" + std::string(value) + "\r\n";
    }
    return text;
}

bool writeBytes(const QString& path, const std::string& bytes, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        error = "cannot write " + path + ": " + file.errorString();
        return false;
    }
    return true;
}

} // namespace

bool writeLanguageFiles(const QString& discFolder, QString& error) {
    const QString dir = discFolder + "/Language/";
    if (!QDir().mkpath(dir)) {
        error = "cannot make the folder " + dir;
        return false;
    }
    return writeBytes(dir + "english.lng", profileText("Vistrel: English texts", english()),
                      error) &&
           writeBytes(dir + "german.lng",
                      encodeWindows1252(profileText("Vistrel: deutsche Texte", german())), error);
}

} // namespace vistrel::discgen
