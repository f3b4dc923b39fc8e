#include "actions/DiscActions.h"

#include "platform/desktop/Desktop.h"
#include "platform/documents/DocumentView.h"
#include "platform/log/Log.h"
#include "platform/media/MediaPlayerControl.h"
#include "platform/messages/ErrorMessage.h"
#include "window/ImageArea.h"
#include "window/LanguageTexts.h"
#include "window/VideoPlacer.h"

#include <QPointer>
#include <QTimer>

namespace vistrel {

namespace {

// A timer without an interval never fires, however it is switched.
void enableTimer(QTimer& timer) {
    if (timer.interval() > 0)
        timer.start();
}

} // namespace

DiscActions::DiscActions(DiscFolder disc, DiscActionPaths paths, MediaElements elements,
                         SharedArea shared, Desktop& desktop, MessageBoxes& messages,
                         const LanguageTexts& texts)
    : disc_(std::move(disc)), paths_(std::move(paths)), elements_(elements), shared_(shared),
      desktop_(desktop), messages_(messages), texts_(texts) {}

void DiscActions::Explore() {
    const QString folder = disc_.findFolder(paths_.explorerPath);
    if (folder.isEmpty()) {
        showErrorMessage(messages_, texts_.MsgTitle, texts_.MsgPathNotFound, paths_.explorerPath);
        return;
    }
    // The folder found, not the configured text: that would depend on the working directory
    // rather than on the disc. A desktop that cannot show it leaves the viewer the folder's
    // name, in the language current when the desktop answers.
    desktop_.openFolder(folder, [self = QPointer<DiscActions>(this)](const QString&) {
        if (self)
            showErrorMessage(self->messages_, self->texts_.MsgTitle, self->texts_.MsgPathNotFound,
                             self->paths_.explorerPath);
    });
}

void DiscActions::ToggleInfo() {
    if (elements_.document.Visible())
        showMedia();
    else
        showDocument();
}

void DiscActions::movieGivenUp() {
    shared_.movie = false;
}

void DiscActions::showMedia() {
    elements_.document.setVisible(false);
    if (shared_.movie)
        elements_.video.show();
    if (shared_.slideShow) {
        enableTimer(elements_.slideTimer);
        elements_.pictures.setVisible(true);
    }
    qCInfo(logAction) << "info closed: media shown";
}

void DiscActions::showDocument() {
    if (shared_.movie)
        elements_.player.Stop();
    if (shared_.slideShow) {
        elements_.slideTimer.stop();
        elements_.pictures.setVisible(false);
    }
    elements_.video.hide();

    const QString document = disc_.findFile(paths_.infoPath);
    if (document.isEmpty()) {
        showErrorMessage(messages_, texts_.MsgTitle, texts_.MsgFileNotFound, paths_.infoPath);
        return;
    }
    elements_.document.Navigate(document);
    elements_.document.setVisible(true);
}

void DiscActions::InstallCodec() {
    install(paths_.codecInstallPath);
}
void DiscActions::InstallPlayer() {
    install(paths_.playerInstallPath);
}

void DiscActions::install(const QString& configuredPath) {
    const QString program = disc_.findFile(configuredPath);
    if (program.isEmpty()) {
        showErrorMessage(messages_, texts_.MsgTitle, texts_.MsgFileNotFound, configuredPath);
        return;
    }
    // By its path as a program with no arguments, never as a command line: a path with blanks
    // or shell characters starts exactly this file. A refused start is logged by the desktop.
    desktop_.startProgram(program, {});
}

} // namespace vistrel
