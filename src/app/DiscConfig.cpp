#include "app/DiscConfig.h"

#include "platform/disc/ReadIni.h"
#include "text/TrimText.h"

#include <string>
#include <tuple>
#include <utility>

namespace vistrel {

namespace {

constexpr int LastPictureKey = 99;

// The key that, besides the buttons' paths, may be given per system.
constexpr IniKey ParameterKey{"Player", "Parameter"};

// What the program calls the codec it looks for (MPEG-4 Part 2 video) when the disc names none.
const QString OwnCodecName = QStringLiteral("MPEG-4 video codec");

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
    // A value that may be given per system, trimmed, with the key it came from: the system's own
    // key wins even when empty (an author may leave a button out on one system), else the plain
    // key; neither gives no key.
    std::pair<QString, QString> forSystem(const IniKey& name, TargetSystem system) const {
        const QString section = QString::fromUtf8(name.section);
        const QString plain = QString::fromUtf8(name.key);
        for (const QString& key : {systemKey(plain, system), plain})
            if (file_.has(section, key))
                return {trimmedText(section, key), key};
        return {};
    }

  private:
    ProfileSnapshot file_;
};

// The switches and paths the table of buttons names.
void readButtons(const Reader& ini, DiscConfig& config) {
    for (const ButtonRow& row : Buttons) {
        if (row.offerSwitch)
            config.buttonSwitches[row.offerSwitch] = ini.switchOn(row.offerSwitch, "1");
        if (row.path.key) {
            const auto index = static_cast<std::size_t>(row.id);
            std::tie(config.buttonPaths[index], config.buttonPathKeys[index]) =
                ini.forSystem(row.path, config.system);
        }
    }
}

void readPaths(const Reader& ini, DiscConfig& config) {
    config.player.description = ini.trimmedText("Player", "Description");
    config.player.parameter = ini.forSystem(ParameterKey, config.system).first;
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

QString systemName(TargetSystem system) {
    return system == TargetSystem::Windows ? QStringLiteral("Windows") : QStringLiteral("Linux");
}

QString systemKey(const QString& key, TargetSystem system) {
    return key + QLatin1Char('.') + systemName(system);
}

DiscConfig DiscConfig::read(const QString& iniPath, TargetSystem system) {
    const Reader ini(iniPath);
    DiscConfig config;
    config.system = system;
    config.defaultLanguage = orIfEmpty(ini.raw("Main", "DefaultLanguage", "english"), "english");
    config.version = trimmed(ini.raw("Main", "Version", "1.0"));
    readPaths(ini, config);
    readMedia(ini, config);
    config.skin = orIfEmpty(ini.raw("Main", "Skin", "default"), "default");
    config.title = ini.raw("Main", "Title");
    config.caption = orIfEmpty(ini.trimmedText("Main", "Caption"), "Vistrel");
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
          "InfoPath", "Movie", "Music", "SlideShow", "Skin", "Title", "Caption", "ShowSkinMenu"}},
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

// A key that may be given per system, with its system's forms after it.
void addPerSystem(QList<DiscKeys>& keys, const IniKey& name) {
    const QString key = QString::fromUtf8(name.key);
    addKey(keys, name.section, key);
    for (TargetSystem system : TargetSystems)
        addKey(keys, name.section, systemKey(key, system));
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
                addPerSystem(known, row.path);
        }
        addPerSystem(known, ParameterKey);
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

QString DiscConfig::codecName() const {
    return orIfEmpty(codec.description, OwnCodecName);
}

bool DiscConfig::offers(ButtonId id) const {
    const ButtonRow& row = buttonRow(id);
    if (!row.path.key)
        return true;
    return (!row.offerSwitch || buttonSwitches.value(row.offerSwitch)) && !pathOf(id).isEmpty();
}

} // namespace vistrel
