#include "actions/DiscActions.h"

#include "actions/DiscPaths.h"
#include "app/Core.h"
#include "language/ErrorMessage.h"
#include "platform/Desktop.h"
#include "platform/DocumentView.h"
#include "platform/Log.h"
#include "platform/MediaPlayerControl.h"

#include <QTimer>

namespace vistrel {

namespace {

// A timer without an interval never fires, however it is switched.
void enableTimer(QTimer& timer) {
    if (timer.interval() > 0)
        timer.start();
}

} // namespace

DiscActions::DiscActions(Core& core) : core_(core) {}

void DiscActions::connectTo(MainDialog& dialog) {
    connect(dialog.btnExplore, &ImageArea::clicked, this, &DiscActions::Explore);
    connect(dialog.btnInfo, &ImageArea::clicked, this, &DiscActions::ToggleInfo);
    connect(dialog.btnInstallCodec, &ImageArea::clicked, this, &DiscActions::InstallCodec);
    connect(dialog.btnInstallPlayer, &ImageArea::clicked, this, &DiscActions::InstallPlayer);
    connect(dialog.WebBrowser, &DocumentView::outsideLinkClicked, this,
            [this](const QUrl& url) { core_.services.desktop.openUrl(url); });
}

void DiscActions::Explore() {
    const AppState& state = core_.state;
    const QString folder = explorerFolder(state.AppPath, state.ExplorerPath);
    if (folder.isEmpty()) {
        showErrorMessage(core_.services.messages, state.MsgTitle, core_.texts.MsgPathNotFound,
                         state.ExplorerPath);
        return;
    }
    // The folder the test found, not the configured text: that would depend on the working
    // directory rather than on the disc.
    core_.services.desktop.openFolder(folder);
}

void DiscActions::ToggleInfo() {
    if (core_.dialog().WebBrowser->Visible())
        showMedia();
    else
        showDocument();
}

void DiscActions::showMedia() {
    MainDialog& w = core_.dialog();
    const AppState& state = core_.state;
    w.WebBrowser->setVisible(false);
    if (state.IsMovie)
        w.MediaPlayer->setVisible(true);
    if (state.SlideShowOn) {
        enableTimer(*w.TimerSlideShow);
        w.picShowPictures->setVisible(true);
    }
    w.MediaPlayer->setWidth(w.picShowPictures->width());
    w.MediaPlayer->setHeight(w.picShowPictures->height());
    qCInfo(logAction) << "info closed: media shown";
}

void DiscActions::showDocument() {
    MainDialog& w = core_.dialog();
    const AppState& state = core_.state;
    if (state.IsMovie)
        w.MediaPlayer->Stop();
    if (state.SlideShowOn) {
        w.TimerSlideShow->stop();
        w.picShowPictures->setVisible(false);
    }
    w.MediaPlayer->setVisible(false);
    w.MediaPlayer->setWidth(0);
    w.MediaPlayer->setHeight(0);

    const QString document = infoDocument(state.AppPath, state.InfoPath);
    if (document.isEmpty()) {
        showErrorMessage(core_.services.messages, state.MsgTitle, core_.texts.MsgFileNotFound,
                         state.InfoPath);
        return;
    }
    w.WebBrowser->setOffline(true);
    w.WebBrowser->Navigate(document);
    w.WebBrowser->setVisible(true);
}

void DiscActions::InstallCodec() {
    install(core_.state.CodecInstallPath);
}
void DiscActions::InstallPlayer() {
    install(core_.state.PlayerInstallPath);
}

void DiscActions::install(const QString& configuredPath) {
    const AppState& state = core_.state;
    const QString program = installerProgram(state.AppPath, configuredPath);
    if (program.isEmpty()) {
        showErrorMessage(core_.services.messages, state.MsgTitle, core_.texts.MsgFileNotFound,
                         configuredPath);
        return;
    }
    // By its path as a program with no arguments, never as a command line: a path with blanks
    // or shell characters starts exactly this file. A refused start is logged by the desktop.
    core_.services.desktop.startProgram(program, {});
}

} // namespace vistrel
