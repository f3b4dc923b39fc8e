#include "app/Application.h"

#include "actions/DiscActions.h"
#include "language/LanguageLoader.h"
#include "language/MainMenu.h"
#include "language/MenuLists.h"
#include "media/DisplayModes.h"
#include "media/ExternalPlayer.h"
#include "media/Playback.h"
#include "media/Slideshow.h"
#include "platform/disc/FilePaths.h"
#include "platform/log/Log.h"
#include "platform/media/MediaPlayerControl.h"
#include "platform/process/ProgramEnd.h"
#include "platform/settings/Registry.h"
#include "skin/ButtonLooks.h"
#include "skin/SkinLoader.h"
#include "window/Messages.h"
#include "window/Stage.h"

#include <QAction>
#include <QMenu>

namespace vistrel {

Application::Application(Services services) : services_(std::move(services)), disc_(QString()) {}

Application::~Application() = default;

bool Application::fail(const QString& reason) {
    services_.programEnd.end(reason, 1);
    return false;
}

bool Application::Main(const QString& appPath) {
    state_.AppPath = appPath;
    state_.IniPath = joinPath(state_.AppPath, "vistrel.ini");
    disc_ = DiscFolder(state_.AppPath);
    qCInfo(logStartup).noquote() << "configuration:" << state_.IniPath;

    dialog_ = std::make_unique<MainDialog>(services_.makePlayer, services_.makeDocument);
    if (!dialog_->load(services_.singleInstance))
        return fail("another instance is running");
    state_.config = DiscConfig::read(state_.IniPath);
    // The disc's own name on the taskbar; the single instance goes by the user, not by it.
    dialog_->setWindowTitle(state_.config.caption);
    qCInfo(logStartup).noquote() << "caption:" << state_.config.caption;
    if (!FillLanguageMenu(dialog_->menu(), state_.AppPath))
        return fail("no language file");
    if (!loadLanguage())
        return fail("language file missing");

    if (!state_.config.versionSupported()) {
        messages_->showError("errINIVersion", state_.IniPath);
        return fail("configuration version " + state_.config.version);
    }

    selectMedia();
    showOfferedButtons();

    if (!FillSkinMenu(dialog_->menu(), state_.AppPath))
        return fail("no skin folder");
    // Hidden unless the disc asks for it: older discs keep the menu they always had.
    dialog_->menu().mnuChooseSkin->menuAction()->setVisible(state_.config.showSkinMenu);
    makeSkinLoader();
    if (!skins_->LoadSkin(QString()))
        return fail("skin not loaded");

    makeFeatures();
    connectFeatures();
    if (!goOn_.file.isEmpty() && goOn_.file == dialog_->stage().mediaFile())
        playback_->startAt(goOn_.seconds);
    playback_->start();
    if (place_)
        dialog_->placeAt(*place_);
    dialog_->showCentred();
    return true;
}

PlayingMoment Application::playingMoment() const {
    if (!dialog_)
        return {};
    const MediaPlayerControl& player = *dialog_->MediaPlayer();
    if (player.PlayState() == MediaPlayState::Stopped)
        return {dialog_->stage().mediaFile(), 0};
    return {dialog_->stage().mediaFile(), player.CurrentPosition()};
}

// The language loader, and the language the window starts in.
bool Application::loadLanguage() {
    messages_ = std::make_unique<Messages>(services_.messages, state_.config.caption);
    language_ = std::make_unique<LanguageLoader>(
        joinPath(state_.AppPath, "Language"), services_.registry, services_.messages, *messages_);
    connect(language_.get(), &LanguageLoader::textsChanged, dialog_.get(), &MainDialog::showTexts);
    return language_->loadStartLanguage(state_.config.defaultLanguage);
}

// The codec test started at launch answers here. Asked where the skin first needs the answer, the
// configuration, the language and the skin's large pictures are read while the test runs.
const Components& Application::installedComponents() {
    Components& installed = state_.installed;
    if (detected_)
        return installed;
    detected_ = true;
    installed.CodecInstalled =
        DetectCodec(services_.registry) ||
        (services_.frameworkDecodesMovieVideo && services_.frameworkDecodesMovieVideo());
    installed.PlayerInstalled = DetectPlayer(services_.registry);
    qCInfo(logStartup) << "codec installed:" << installed.CodecInstalled
                       << "player installed:" << installed.PlayerInstalled;
    return installed;
}

// What plays: the movie, else the music, each only when its file is on the disc; the slideshow
// only without a movie.
void Application::selectMedia() {
    const DiscConfig& config = state_.config;
    const bool movie = !config.movie.isEmpty();
    const bool slides = !movie && config.slideShow;
    const QString file = mediaFile();
    Stage& stage = dialog_->stage();
    stage.setShow(Stage::showOf(movie && !file.isEmpty(), !movie && !file.isEmpty(), slides), file);
    if (slides) {
        dialog_->button(ButtonId::btnForward)->setToolTip("nächstes Bild");
        dialog_->button(ButtonId::btnBackward)->setToolTip("vorheriges Bild");
    }
    qCInfo(logStartup).noquote() << "media:" << (file.isEmpty() ? "none" : file)
                                 << "movie:" << stage.movie()
                                 << "music:" << (stage.opensMedia() && !stage.movie())
                                 << "slideshow:" << stage.slides();
}

// The movie or music file found on the disc. One that is not there is named once, joined under
// the disc, and dropped; a folder, a pipe or a device in its place is no media file either: the
// framework would block on it.
QString Application::mediaFile() {
    const DiscConfig& config = state_.config;
    const QString& configured = config.movie.isEmpty() ? config.music : config.movie;
    if (configured.isEmpty())
        return {};
    const QString found = disc_.findFile(configured);
    if (found.isEmpty())
        messages_->showError("errFileNotFound", disc_.under(configured));
    return found;
}

bool Application::isOffered(ButtonId id) const {
    return state_.config.offers(id);
}

// The side buttons the disc offers; btnExit is shown by the window itself.
void Application::showOfferedButtons() {
    for (const ButtonRow& row : Buttons)
        if (row.path.key && isOffered(row.id))
            dialog_->button(row.id)->show();
}

// A movie the framework cannot play is said once, rather than leaving a silent logo: as the
// codec the disc names, or else as the file that could not be played.
// Only a missing decoder sends the viewer to install the codec: a file that is no film at all
// would not play with it either.
void Application::reportMediaNotOpened(const QString& path, MediaOpenError error) {
    if (error == NoVideoDecoder)
        messages_->showError("errCodecNotInstalled", state_.config.codecName());
    else if (error == Missing)
        messages_->showError("errFileNotFound", path);
    else
        messages_->showError("errCannotPlay", path);
}

// The disc's own title picture; one that is missing is reported by the skin loader by its name.
QString Application::titlePicture() const {
    const QString& configured = state_.config.title;
    if (configured.isEmpty())
        return {};
    const QString found = disc_.findEntry(configured);
    return found.isEmpty() ? resolvePath(configured) : found;
}

void Application::makeSkinLoader() {
    MainDialog& w = *dialog_;
    skins_ = std::make_unique<SkinLoader>(
        SkinnedElements{w, [&w](const QPixmap& picture) { w.setBackgroundPicture(picture); },
                        w.buttons(), *w.picShowPictures(), *w.picTitle()},
        SkinSources{joinPath(state_.AppPath, "Skins"), state_.config.skin, titlePicture()},
        [this] { return installedComponents(); }, *messages_, services_.programEnd);
}

void Application::makeFeatures() {
    MainDialog& w = *dialog_;
    const DiscConfig& config = state_.config;
    slideshow_ = std::make_unique<Slideshow>(
        *w.picShowPictures(), w.stage(), disc_,
        SlideshowSettings{config.slidePictures, config.slideInterval}, *messages_);
    looks_ = std::make_unique<ButtonLooks>(skins_->skin(), state_.installed, w.buttons());
    menu_ =
        std::make_unique<MainMenu>(w, *w.button(ButtonId::btnMenu), w.menu(), services_.desktop);
    actions_ = std::make_unique<DiscActions>(disc_, config.buttonPaths, *w.MediaPlayer(), w.stage(),
                                             services_.desktop, *messages_);
    playback_ = std::make_unique<Playback>(*w.MediaPlayer(), w.stage(),
                                           [&w] { return w.hasPaintedFirstFrame(); });
    QList<QWidget*> sideButtons;
    for (const ButtonRow& row : Buttons)
        if (row.kind == ButtonKind::Action && isOffered(row.id))
            sideButtons.append(w.button(row.id));
    displayModes_ = std::make_unique<DisplayModes>(
        DisplayElements{
            w, *w.picTitle(), *w.picShowPictures(), *w.videoPlacer(), {WindowWidth, WindowHeight}},
        w.stage(), skins_->skin().ShapeRegion, sideButtons);
    externalPlayer_ = std::make_unique<ExternalPlayer>(
        *w.MediaPlayer(), disc_,
        ExternalPlayerSettings{config.pathOf(ButtonId::btnStartPlayer), config.player.parameter,
                               config.codecName()},
        state_.installed, services_.desktop, *messages_);
}

void Application::end(const QString& reason) {
    services_.programEnd.end(reason);
}

} // namespace vistrel
