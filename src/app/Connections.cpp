#include "app/Application.h"

#include "actions/DiscActions.h"
#include "language/LanguageLoader.h"
#include "language/MainMenu.h"
#include "media/DisplayModes.h"
#include "media/ExternalPlayer.h"
#include "media/Playback.h"
#include "media/Slideshow.h"
#include "platform/Desktop.h"
#include "platform/DocumentView.h"
#include "platform/Log.h"
#include "platform/MediaPlayerControl.h"
#include "skin/SkinLoader.h"

// The one place where the window's events reach the features and features answer each other.
namespace vistrel {

// Every connection between the window and the features, and between features.
void Application::connectFeatures() {
    MainDialog& w = *dialog_;
    connectButtons();
    connect(&w, &MainDialog::unloaded, this, [this] { end("window closed"); });

    connect(menu_.get(), &MainMenu::languageChosen, language_.get(),
            [this](const QString& name) { language_->LoadLanguage(name); });
    connect(menu_.get(), &MainMenu::skinChosen, this,
            [this](const QString& name) { skins_->LoadSkin(name); });
    connect(menu_.get(), &MainMenu::endRequested, this, &Application::end);

    connect(playback_.get(), &Playback::slideshowStarts, slideshow_.get(),
            &Slideshow::StartSlideShow);
    connect(playback_.get(), &Playback::nextSlideWanted, slideshow_.get(),
            &Slideshow::AdvanceSlide);
    connect(playback_.get(), &Playback::previousSlideWanted, slideshow_.get(),
            &Slideshow::stepBack);
    connect(playback_.get(), &Playback::movieEnded, displayModes_.get(), &DisplayModes::movieEnded);
    connect(playback_.get(), &Playback::mediaNotOpened, this, &Application::reportMediaNotOpened);
    connect(w.MediaPlayer(), &MediaPlayerControl::failedLate, playback_.get(),
            &Playback::failedLate);

    connect(w.MediaPlayer(), &MediaPlayerControl::DblClick, displayModes_.get(),
            &DisplayModes::toggleFullScreen);
    connect(w.picShowPictures(), &ImageArea::doubleClicked, displayModes_.get(),
            &DisplayModes::toggleFullScreen);
    connect(w.recDragWindow(), &ImageArea::doubleClicked, displayModes_.get(),
            &DisplayModes::dragStripDoubleClicked);

    connect(w.WebBrowser(), &DocumentView::outsideLinkClicked, this,
            [this](const QUrl& url) { services_.desktop.openUrl(url); });
    connect(externalPlayer_.get(), &ExternalPlayer::handedOver, this,
            [this] { end("btnStartPlayer"); });
}

// What each button does when clicked; its look on press and release is the skin's.
void Application::connectButtons() {
    MainDialog& w = *dialog_;
    auto onClick = [&w](ButtonId id, auto receiver, auto handler) {
        connect(w.button(id), &ImageArea::clicked, receiver, handler);
    };
    auto stopAndEnd = [this](const QString& reason) {
        dialog_->MediaPlayer()->Stop();
        end(reason);
    };
    onClick(ButtonId::btnExit, this, [stopAndEnd] { stopAndEnd("btnExit"); });
    onClick(ButtonId::btnClose, this, [stopAndEnd] { stopAndEnd("btnClose"); });
    onClick(ButtonId::btnMinimize, this, [this] {
        qCInfo(logWindow) << "window minimised";
        dialog_->showMinimized();
    });
    onClick(ButtonId::btnMaximize, displayModes_.get(), &DisplayModes::maximizeClicked);
    onClick(ButtonId::btnInstallCodec, actions_.get(), &DiscActions::InstallCodec);
    onClick(ButtonId::btnInstallPlayer, actions_.get(), &DiscActions::InstallPlayer);
    onClick(ButtonId::btnInfo, actions_.get(), &DiscActions::ToggleInfo);
    onClick(ButtonId::btnStartPlayer, externalPlayer_.get(), &ExternalPlayer::startPlayerClicked);
    onClick(ButtonId::btnExplore, actions_.get(), &DiscActions::Explore);
    onClick(ButtonId::btnBackward, playback_.get(), &Playback::backwardClicked);
    onClick(ButtonId::btnPlay, playback_.get(), &Playback::playClicked);
    onClick(ButtonId::btnPause, playback_.get(), &Playback::pauseClicked);
    onClick(ButtonId::btnStop, playback_.get(), &Playback::stopClicked);
    onClick(ButtonId::btnForward, playback_.get(), &Playback::forwardClicked);
}

} // namespace vistrel
