#include "LanguageFiles.h"

#include "text/TextDecoding.h"

#include <QDir>
#include <QSaveFile>

#include <string>
#include <utility>
#include <vector>

namespace vistrel::discgen {

namespace {

using Entries = std::vector<std::pair<const char*, const char*>>;

struct Section {
    const char* name;
    Entries entries;
};

const std::vector<Section> kEnglish = {
    {"Tooltip",
     {{"tipInstallCodec", "Install the codec (needed to show the video)"},
      {"tipInstallPlayer", "Install the video player (recommended)"},
      {"tipInfo", "More information..."},
      {"tipStartPlayer", "Start the movie"},
      {"tipExplore", "More content on this disc..."},
      {"tipExit", "Close Vistrel"},
      {"tipBackward", "Back"},
      {"tipForward", "Forward"},
      {"tipPlay", "Play"},
      {"tipPause", "Pause"},
      {"tipStop", "Stop"},
      {"tipMinimize", "Minimise"},
      {"tipMaximize", "Full screen"},
      {"tipClose", "Close"}}},
    {"Menu",
     {{"mnuChooseLanguage", "Change language..."},
      {"mnuChooseSkin", "Change skin..."},
      {"mnuAbout", "About..."},
      {"mnuExit", "Close"}}},
    {"ErrorMsg",
     {{"errFileNotFound", "The file %s was not found."},
      {"errPathNotFound", "The folder %s was not found."},
      {"errSkinNotFound", "The skin %s was not found."},
      {"errSlideshow", "No pictures were found for the slideshow."},
      {"errINIVersion", "The configuration file %s is of a version this program does not know."},
      {"errCodecNotInstalled", "%s is not installed. Please install it first."}}}};

const std::vector<Section> kGerman = {
    {"Tooltip",
     {{"tipInstallCodec", "Codec installieren (benötigt um Video-Daten anzuzeigen)"},
      {"tipInstallPlayer", "Video-Player installieren (empfohlen)"},
      {"tipInfo", "Weitere Informationen..."},
      {"tipStartPlayer", "Film starten"},
      {"tipExplore", "Weitere Inhalte auf dieser CD..."},
      {"tipExit", "Vistrel schließen"},
      {"tipBackward", "Zurück"},
      {"tipForward", "Vor"},
      {"tipPlay", "Start"},
      {"tipPause", "Pause"},
      {"tipStop", "Stop"},
      {"tipMinimize", "Minimieren"},
      {"tipMaximize", "Vollbild"},
      {"tipClose", "Schließen"}}},
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
      {"errCodecNotInstalled", "%s ist nicht installiert. Bitte installieren Sie ihn zuerst."}}}};

// The file's text in UTF-8, with Windows line ends.
std::string profileText(const char* comment, const std::vector<Section>& sections) {
    std::string text = std::string("; ") + comment + "\r\n";
    for (const Section& section : sections) {
        text += std::string("\r\n[") + section.name + "]\r\n";
        for (const auto& [key, value] : section.entries)
            text += std::string(key) + "=" + value + "\r\n";
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
    return writeBytes(dir + "english.lng", profileText("Vistrel: English texts", kEnglish),
                      error) &&
           writeBytes(dir + "german.lng",
                      encodeWindows1252(profileText("Vistrel: deutsche Texte", kGerman)), error);
}

} // namespace vistrel::discgen
