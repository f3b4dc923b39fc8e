#include "actions/DiscActions.h"

#include "platform/desktop/Desktop.h"
#include "platform/documents/DocumentView.h"
#include "platform/log/Log.h"
#include "platform/media/MediaPlayerControl.h"
#include "platform/messages/ErrorMessage.h"
#include "window/ImageArea.h"
#include "window/LanguageTexts.h"
#include "window/VideoPlacer.h"

#include <QDir>
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

DiscActions::DiscActions(DiscFolder disc, ButtonTexts paths, MediaElements elements,
                         SharedArea shared, Desktop& desktop, MessageBoxes& messages,
                         const LanguageTexts& texts)
    : disc_(std::move(disc)), paths_(std::move(paths)), elements_(elements), shared_(shared),
      desktop_(desktop), messages_(messages), texts_(texts) {}

void DiscActions::clicked(ButtonId id) {
    const QString& configured = textOf(paths_, id);
    switch (buttonRow(id).opens) {
    case Opens::Program:
        install(configured);
        break;
    case Opens::Document:
        toggleDocument(configured);
        break;
    case Opens::Folder:
        explore(configured);
        break;
    case Opens::Player:
    case Opens::Nothing:
        break;
    }
}

void DiscActions::explore(const QString& configuredPath) {
    const QString folder = disc_.findFolder(configuredPath);
    if (folder.isEmpty()) {
        showErrorMessage(messages_, texts_.MsgTitle, texts_.MsgPathNotFound, configuredPath);
        return;
    }
    // The folder found, not the configured text: that would depend on the working directory
    // rather than on the disc. A desktop that cannot show it leaves the viewer where the folder
    // is, to open it by hand, in the language current when the desktop answers.
    desktop_.openFolder(folder, [self = QPointer<DiscActions>(this), folder](const QString&) {
        if (self)
            showErrorMessage(self->messages_, self->texts_.MsgTitle,
                             self->texts_.MsgFolderNotOpened, QDir::toNativeSeparators(folder));
    });
}

void DiscActions::closeDocument() {
    if (elements_.document.Visible())
        showMedia();
}

void DiscActions::toggleDocument(const QString& configuredPath) {
    if (elements_.document.Visible())
        showMedia();
    else
        showDocument(configuredPath);
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

void DiscActions::showDocument(const QString& configuredPath) {
    if (shared_.movie)
        elements_.player.Stop();
    if (shared_.slideShow) {
        elements_.slideTimer.stop();
        elements_.pictures.setVisible(false);
    }
    elements_.video.hide();

    const QString document = disc_.findFile(configuredPath);
    if (document.isEmpty()) {
        showErrorMessage(messages_, texts_.MsgTitle, texts_.MsgFileNotFound, configuredPath);
        return;
    }
    elements_.document.Navigate(document);
    elements_.document.setVisible(true);
}

void DiscActions::install(const QString& configuredPath) {
    const QString program = disc_.findFile(configuredPath);
    if (program.isEmpty()) {
        showErrorMessage(messages_, texts_.MsgTitle, texts_.MsgFileNotFound, configuredPath);
        return;
    }
    // By its path as a program with no arguments, never as a command line: a path with blanks
    // or shell characters starts exactly this file. Whether it then succeeds is not waited for;
    // a program that cannot start at all would otherwise leave the viewer with nothing.
    if (!desktop_.startProgram(program, {}))
        showErrorMessage(messages_, texts_.MsgTitle, texts_.MsgCannotStart,
                         QDir::toNativeSeparators(program));
}

} // namespace vistrel
