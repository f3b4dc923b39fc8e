#include "app/Core.h"

#include "app/Detection.h"
#include "language/ErrorMessage.h"
#include "language/MenuLists.h"
#include "platform/FilePaths.h"
#include "platform/Log.h"
#include "platform/MediaPlayerControl.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramEnd.h"
#include "platform/ReadIni.h"
#include "platform/Registry.h"
#include "text/TrimText.h"

namespace vistrel {

namespace {

QString trimBlanks(const QString& text) {
    return QString::fromStdString(std::string(trimSpaces(text.toStdString())));
}

bool switchOn(const QString& key, const QString& iniPath) {
    return ReadIni("Main", key, "1", iniPath) == QLatin1String("1");
}
} // namespace

Core::Core(Services services)
    : services(std::move(services)), language(*this), skins(*this), slideshow(*this),
      buttonLooks(*this), menu(*this), actions(*this), playback(*this), displayModes(*this),
      externalPlayer(*this) {}

Core::~Core() = default;

bool Core::fail(const QString& reason) {
    services.programEnd.end(reason, 1);
    return false;
}

bool Core::Main(const QString& appPath) {
    state.AppPath = appPath;
    state.IniPath = joinPath(state.AppPath, "vistrel.ini");
    qCInfo(logStartup).noquote() << "configuration:" << state.IniPath;

    if (!createMainDialog())
        return fail("another instance is running");
    if (!FillLanguageMenu(*dialog_, state.AppPath))
        return fail("no language file");

    const QString languageName = chooseLanguage();
    if (!language.LoadLanguage(languageName))
        return fail("language file missing");

    state.CodecInstalled = false;
    state.PlayerInstalled = false;
    state.CodecInstalled =
        DetectCodec(services.registry) ||
        (services.frameworkDecodesMovieVideo && services.frameworkDecodesMovieVideo());
    state.PlayerInstalled = DetectPlayer(services.registry);
    qCInfo(logStartup) << "codec installed:" << state.CodecInstalled
                       << "player installed:" << state.PlayerInstalled;

    const QString version = trimBlanks(ReadIni("Main", "Version", "1.0", state.IniPath));
    if (version != QLatin1String("1.0")) {
        showErrorMessage(services.messages, state.MsgTitle, texts.MsgIniVersion, state.IniPath);
        return fail("configuration version " + version);
    }

    readConfiguration();
    selectMedia();
    checkMediaFile();
    showOfferedButtons();

    if (!FillSkinMenu(*dialog_, state.AppPath))
        return fail("no skin folder");
    if (!skins.LoadSkin(QString()))
        return fail("skin not loaded");

    connectHandlers();
    dialog_->showCentred();
    return true;
}

bool Core::createMainDialog() {
    dialog_ = std::make_unique<MainDialog>(services.makePlayer, services.makeDocument);
    return dialog_->load(services.singleInstance, state.IsFullScreen);
}

QString Core::chooseLanguage() {
    QString name =
        services.registry
            .ReadRegistryValue(RegistryRoot::CurrentUser, LanguageLoader::RegistryKey, "Language")
            .toText();
    if (name.isEmpty())
        name = ReadIni("Main", "DefaultLanguage", "english", state.IniPath);
    if (name.isEmpty())
        name = "english";
    qCInfo(logStartup).noquote() << "language chosen:" << name;
    return name;
}

void Core::readConfiguration() {
    const QString& ini = state.IniPath;
    state.InstallPlayerVisible = switchOn("ShowInstallPlayer", ini);
    state.InstallCodecVisible = switchOn("ShowInstallCodec", ini);
    state.InfoVisible = switchOn("ShowInstallPlayer", ini);
    state.StartPlayerVisible = switchOn("ShowInstallPlayer", ini);
    state.ExploreVisible = switchOn("ShowInstallPlayer", ini);

    auto text = [&](const char* section, const char* key) {
        return trimBlanks(ReadIni(section, key, "", ini));
    };
    state.PlayerDescription = text("Player", "Description");
    state.PlayerInstallPath = text("Player", "InstallPath");
    state.PlayerRunPath = text("Player", "RunPath");
    state.PlayerParameter = text("Player", "Parameter");
    state.CodecDescription = text("Codec", "Description");
    state.CodecInstallPath = text("Codec", "InstallPath");
    state.ExplorerPath = text("Main", "ExplorerPath");
    state.InfoPath = text("Main", "InfoPath");

    // A button is offered only when its switch is on and its target is configured.
    if (state.ExplorerPath.isEmpty())
        state.ExploreVisible = false;
    if (state.PlayerInstallPath.isEmpty())
        state.InstallPlayerVisible = false;
    if (state.PlayerRunPath.isEmpty())
        state.StartPlayerVisible = false;
    if (state.CodecInstallPath.isEmpty())
        state.InstallCodecVisible = false;
    if (state.InfoPath.isEmpty())
        state.InfoVisible = false;
}

void Core::selectMedia() {
    state.MediaPath = ReadIni("Main", "Movie", "", state.IniPath);
    if (!state.MediaPath.isEmpty()) {
        state.IsMovie = true;
        state.IsMusic = false;
        return;
    }
    state.IsMovie = false;
    state.IsMusic = true;
    state.MediaPath = ReadIni("Main", "Music", "", state.IniPath);
    if (state.MediaPath.isEmpty())
        state.IsMusic = false;
    dialog_->MediaPlayer->setVisible(false);
    if (ReadIni("Main", "SlideShow", "", state.IniPath) == QLatin1String("1"))
        state.SlideShowOn = true;
    if (state.SlideShowOn) {
        dialog_->btnForward->setToolTip("nächstes Bild");
        dialog_->btnBackward->setToolTip("vorheriges Bild");
    }
}

void Core::checkMediaFile() {
    if (state.MediaPath.isEmpty() || PathFileExists(state.MediaPath))
        return;
    state.MediaPath = joinPath(state.AppPath, state.MediaPath);
    if (PathFileExists(state.MediaPath))
        return;
    showErrorMessage(services.messages, state.MsgTitle, texts.MsgFileNotFound, state.MediaPath);
    state.MediaPath.clear();
    state.IsMovie = false;
    state.IsMusic = false;
}

void Core::showOfferedButtons() {
    MainDialog& w = *dialog_;
    if (state.InstallCodecVisible)
        w.btnInstallCodec->show();
    if (state.InstallPlayerVisible)
        w.btnInstallPlayer->show();
    if (state.InfoVisible)
        w.btnInfo->show();
    if (state.StartPlayerVisible)
        w.btnStartPlayer->show();
    if (state.ExploreVisible)
        w.btnExplore->show();
    qCInfo(logStartup).noquote() << "media:"
                                 << (state.MediaPath.isEmpty() ? "none" : state.MediaPath)
                                 << "movie:" << state.IsMovie << "music:" << state.IsMusic
                                 << "slideshow:" << state.SlideShowOn;
}

void Core::unload(const QString& reason) {
    services.programEnd.end(reason);
}

void Core::connectHandlers() {
    MainDialog& w = *dialog_;
    auto stopAndClose = [this](const QString& reason) {
        dialog_->MediaPlayer->Stop();
        unload(reason);
    };
    connect(w.btnExit, &ImageArea::clicked, this, [stopAndClose] { stopAndClose("btnExit"); });
    connect(w.btnClose, &ImageArea::clicked, this, [stopAndClose] { stopAndClose("btnClose"); });
    connect(w.btnMinimize, &ImageArea::clicked, this, [this] {
        qCInfo(logWindow) << "window minimised";
        dialog_->showMinimized();
    });
    connect(&w, &MainDialog::unloaded, this, [this] { unload("window closed"); });
    slideshow.connectTo(w);
    buttonLooks.connectTo(w);
    menu.connectTo(w);
    actions.connectTo(w);
    playback.connectTo(w);
    displayModes.connectTo(w);
    externalPlayer.connectTo(w);
}

} // namespace vistrel
