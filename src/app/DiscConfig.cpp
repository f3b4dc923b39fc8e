#include "app/DiscConfig.h"

#include "platform/disc/ReadIni.h"
#include "text/TrimText.h"

#include <string>

namespace vistrel {

namespace {

constexpr int LastPictureKey = 99;

QString trimmed(const QString& text) {
    return QString::fromStdString(std::string(trimSpaces(text.toStdString())));
}

QString orIfEmpty(const QString& text, const QString& fallback) {
    return text.isEmpty() ? fallback : text;
}

// Every value from one version of the file, which is looked up once rather than per key (a
// hundred keys name slideshow pictures).
class Reader {
  public:
    explicit Reader(const QString& iniPath) : file_(iniPath) {}

    QString raw(const QString& section, const QString& key, const QString& byDefault = {}) const {
        return file_.value(section, key, byDefault);
    }
    QString trimmedText(const QString& section, const QString& key) const {
        return trimmed(raw(section, key));
    }
    bool switchOn(const QString& key, const QString& byDefault) const {
        return raw("Main", key, byDefault) == QLatin1String("1");
    }

  private:
    ProfileSnapshot file_;
};

// The switches and paths the table of buttons names.
void readButtons(const Reader& ini, DiscConfig& config) {
    for (const ButtonRow& row : Buttons) {
        if (row.offerSwitch)
            config.buttonSwitches[row.offerSwitch] = ini.switchOn(row.offerSwitch, "1");
        if (row.path.key)
            config.buttonPaths[static_cast<std::size_t>(row.id)] =
                ini.trimmedText(row.path.section, row.path.key);
    }
}

void readPaths(const Reader& ini, DiscConfig& config) {
    config.player.description = ini.trimmedText("Player", "Description");
    config.player.parameter = ini.trimmedText("Player", "Parameter");
    config.codec.description = ini.trimmedText("Codec", "Description");
    readButtons(ini, config);
}

// A movie leaves no place for music or a slideshow, so their keys are not even read.
void readMedia(const Reader& ini, DiscConfig& config) {
    config.movie = ini.raw("Main", "Movie");
    if (!config.movie.isEmpty())
        return;
    config.music = ini.raw("Main", "Music");
    config.slideShow = ini.switchOn("SlideShow", QString());
}

void readSlideshow(const Reader& ini, DiscConfig& config) {
    config.slideInterval = ini.raw("SlideShow", "Interval");
    for (int key = 0; key <= LastPictureKey; ++key) {
        const QString picture = ini.raw("SlideShow", QString::number(key));
        if (!picture.isEmpty())
            config.slidePictures.append(picture);
    }
}

} // namespace

DiscConfig DiscConfig::read(const QString& iniPath) {
    const Reader ini(iniPath);
    DiscConfig config;
    config.defaultLanguage = orIfEmpty(ini.raw("Main", "DefaultLanguage", "english"), "english");
    config.version = trimmed(ini.raw("Main", "Version", "1.0"));
    readPaths(ini, config);
    readMedia(ini, config);
    config.skin = orIfEmpty(ini.raw("Main", "Skin", "default"), "default");
    config.title = ini.raw("Main", "Title");
    config.showSkinMenu = ini.switchOn("ShowSkinMenu", QString());
    readSlideshow(ini, config);
    return config;
}

namespace {

// The keys in the order start-up reads them, which is how --check lists them to an author.
QList<DiscKeys> keysInReadingOrder() {
    return {
        {"Main",
         {"DefaultLanguage", "Version", "ShowInstallPlayer", "ShowInstallCodec", "ExplorerPath",
          "InfoPath", "Movie", "Music", "SlideShow", "Skin", "Title", "ShowSkinMenu"}},
        {"Player", {"Description", "InstallPath", "RunPath", "Parameter"}},
        {"Codec", {"Description", "InstallPath"}},
        {"SlideShow", {"Interval"}},
    };
}

void addKey(QList<DiscKeys>& keys, const QString& section, const QString& key) {
    for (DiscKeys& known : keys)
        if (known.section == section) {
            if (!known.keys.contains(key))
                known.keys.append(key);
            return;
        }
    keys.append({section, {key}});
}

} // namespace

// A button added to the table brings its keys along.
const QList<DiscKeys>& DiscConfig::knownKeys() {
    static const QList<DiscKeys> keys = [] {
        QList<DiscKeys> known = keysInReadingOrder();
        for (const ButtonRow& row : Buttons) {
            if (row.offerSwitch)
                addKey(known, "Main", row.offerSwitch);
            if (row.path.key)
                addKey(known, row.path.section, row.path.key);
        }
        return known;
    }();
    return keys;
}

bool DiscConfig::isSlidePictureKey(const QString& key) {
    bool number = false;
    const int value = key.toInt(&number);
    return number && value >= 0 && value <= LastPictureKey && key == QString::number(value);
}

bool DiscConfig::versionSupported() const {
    return version == QLatin1String("1.0");
}

bool DiscConfig::offers(ButtonId id) const {
    const ButtonRow& row = buttonRow(id);
    if (!row.path.key)
        return true;
    return (!row.offerSwitch || buttonSwitches.value(row.offerSwitch)) && !pathOf(id).isEmpty();
}

} // namespace vistrel
