#include "app/DiscConfig.h"

#include "platform/disc/ReadIni.h"
#include "text/TrimText.h"
#include "window/Buttons.h"

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

void readPaths(const Reader& ini, DiscConfig& config) {
    config.player.description = ini.trimmedText("Player", "Description");
    config.player.installPath = ini.trimmedText("Player", "InstallPath");
    config.player.runPath = ini.trimmedText("Player", "RunPath");
    config.player.parameter = ini.trimmedText("Player", "Parameter");
    config.codec.description = ini.trimmedText("Codec", "Description");
    config.codec.installPath = ini.trimmedText("Codec", "InstallPath");
    config.explorerPath = ini.trimmedText("Main", "ExplorerPath");
    config.infoPath = ini.trimmedText("Main", "InfoPath");
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
    config.showInstallPlayer = ini.switchOn("ShowInstallPlayer", "1");
    config.showInstallCodec = ini.switchOn("ShowInstallCodec", "1");
    readPaths(ini, config);
    readMedia(ini, config);
    config.skin = orIfEmpty(ini.raw("Main", "Skin", "default"), "default");
    config.title = ini.raw("Main", "Title");
    config.showSkinMenu = ini.switchOn("ShowSkinMenu", QString());
    readSlideshow(ini, config);
    return config;
}

const QList<DiscKeys>& DiscConfig::knownKeys() {
    static const QList<DiscKeys> keys = {
        {"Main",
         {"DefaultLanguage", "Version", "ShowInstallPlayer", "ShowInstallCodec", "ExplorerPath",
          "InfoPath", "Movie", "Music", "SlideShow", "Skin", "Title", "ShowSkinMenu"}},
        {"Player", {"Description", "InstallPath", "RunPath", "Parameter"}},
        {"Codec", {"Description", "InstallPath"}},
        {"SlideShow", {"Interval"}},
    };
    return keys;
}

bool DiscConfig::isSlidePictureKey(const QString& key) {
    bool number = false;
    const int value = key.toInt(&number);
    return number && value >= 0 && value <= LastPictureKey && key == QString::number(value);
}

bool OfferedButtons::offers(Offer offer) const {
    switch (offer) {
    case Offer::InstallCodec:
        return installCodec;
    case Offer::InstallPlayer:
        return installPlayer;
    case Offer::Info:
        return info;
    case Offer::StartPlayer:
        return startPlayer;
    case Offer::Explore:
        return explore;
    case Offer::Always:
        break;
    }
    return true;
}

bool DiscConfig::versionSupported() const {
    return version == QLatin1String("1.0");
}

OfferedButtons DiscConfig::offered() const {
    OfferedButtons buttons;
    buttons.installPlayer = showInstallPlayer && !player.installPath.isEmpty();
    buttons.installCodec = showInstallCodec && !codec.installPath.isEmpty();
    buttons.info = showInstallPlayer && !infoPath.isEmpty();
    buttons.startPlayer = showInstallPlayer && !player.runPath.isEmpty();
    buttons.explore = showInstallPlayer && !explorerPath.isEmpty();
    return buttons;
}

} // namespace vistrel
