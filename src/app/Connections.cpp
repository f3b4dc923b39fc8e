#include "app/Application.h"

#include "actions/DiscActions.h"
#include "language/LanguageLoader.h"
#include "language/MainMenu.h"
#include "media/DisplayModes.h"
#include "media/ExternalPlayer.h"
#include "media/Playback.h"
#include "media/Slideshow.h"
#include "platform/desktop/Desktop.h"
#include "platform/documents/DocumentView.h"
#include "platform/log/Log.h"
#include "platform/media/MediaPlayerControl.h"
#include "skin/SkinLoader.h"

// The one place where the window's events reach the features and features answer each other.
namespace vistrel {

// Every connection between the window and the features, and between features.
void Application::connectFeatures() {
    MainDialog& w = *dialog_;
    connectButtons();
    connect(&w, &MainDialog::unloaded, this, [this] { end("window closed"); });

    connect(menu_.get(), &MainMenu::languageChosen, language_.get(), &LanguageLoader::LoadLanguage);
    connect(language_.get(), &LanguageLoader::loaded, menu_.get(), &MainMenu::markLanguage);
    connect(menu_.get(), &MainMenu::skinChosen, this, [this](const QString& name) {
        if (skins_->LoadSkin(name))
            menu_->markSkin(skins_->skin().SkinName);
    });
    menu_->markLanguage(language_->current());
    menu_->markSkin(skins_->skin().SkinName);
    connect(menu_.get(), &MainMenu::endRequested, this, &Application::end);
    connectKeys();

    connect(playback_.get(), &Playback::slideshowStarts, slideshow_.get(),
            &Slideshow::StartSlideShow);
    connect(playback_.get(), &Playback::nextSlideWanted, slideshow_.get(),
            &Slideshow::AdvanceSlide);
    connect(playback_.get(), &Playback::previousSlideWanted, slideshow_.get(),
            &Slideshow::stepBack);
    connect(playback_.get(), &Playback::mediaNotOpened, this, &Application::reportMediaNotOpened);

    connect(w.MediaPlayer(), &MediaPlayerControl::DblClick, displayModes_.get(),
            &DisplayModes::toggleFullScreen);
    connect(w.picShowPictures(), &ImageArea::doubleClicked, displayModes_.get(),
            &DisplayModes::toggleFullScreen);
    connect(w.recDragWindow(), &ImageArea::doubleClicked, displayModes_.get(),
            &DisplayModes::dragStripDoubleClicked);

    connect(w.WebBrowser(), &DocumentView::outsideLinkClicked, this,
            [this](const QUrl& url) { services_.desktop.openUrl(url); });
    connect(w.WebBrowser(), &DocumentView::fileLinkClicked, actions_.get(),
            &DiscActions::openLinkedFile);
    connect(w.WebBrowser(), &DocumentView::brokenLinkClicked, actions_.get(),
            &DiscActions::linkNotFound);
    connect(externalPlayer_.get(), &ExternalPlayer::handedOver, this,
            [this] { end("btnStartPlayer"); });
}

// The keys and the right click the window hands on.
void Application::connectKeys() {
    MainDialog& w = *dialog_;
    connect(&w, &MainDialog::menuKeyPressed, menu_.get(), &MainMenu::popUpAtButton);
    connect(&w, &MainDialog::contextMenuWanted, menu_.get(), &MainMenu::popUpAt);
    connect(&w, &MainDialog::pauseKeyPressed, playback_.get(), &Playback::pauseOrResume);
    // One step back at a time: out of full screen first, then the document closed.
    connect(&w, &MainDialog::escapePressed, this, [this] {
        if (displayModes_->IsFullScreen())
            displayModes_->LeaveFullScreen();
        else
            actions_->closeDocument();
    });
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
    for (const ButtonRow& row : Buttons)
        if (DiscActions::handles(row.opens))
            onClick(row.id, actions_.get(), [this, id = row.id] { actions_->clicked(id); });
    onClick(ButtonId::btnStartPlayer, externalPlayer_.get(), &ExternalPlayer::startPlayerClicked);
    onClick(ButtonId::btnBackward, playback_.get(), &Playback::backwardClicked);
    onClick(ButtonId::btnPlay, playback_.get(), &Playback::playClicked);
    onClick(ButtonId::btnPause, playback_.get(), &Playback::pauseClicked);
    onClick(ButtonId::btnStop, playback_.get(), &Playback::stopClicked);
    onClick(ButtonId::btnForward, playback_.get(), &Playback::forwardClicked);
}

} // namespace vistrel
