#include "actions/DiscActions.h"

#include "platform/desktop/Desktop.h"
#include "platform/log/Log.h"
#include "platform/media/MediaPlayerControl.h"
#include "platform/messages/ErrorMessage.h"
#include "window/LanguageTexts.h"
#include "window/Stage.h"

#include <QDir>
#include <QPointer>

namespace vistrel {

DiscActions::DiscActions(DiscFolder disc, ButtonTexts paths, MediaPlayerControl& player,
                         Stage& stage, Desktop& desktop, MessageBoxes& messages,
                         LanguageTexts texts)
    : disc_(std::move(disc)), paths_(std::move(paths)), player_(player), stage_(stage),
      desktop_(desktop), messages_(messages), texts_(std::move(texts)) {}

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
    // rather than on the disc.
    desktop_.openFolder(folder, notOpenedMessage(&LanguageTexts::MsgFolderNotOpened, folder));
}

void DiscActions::openLinkedFile(const QString& file) {
    desktop_.openFile(file, notOpenedMessage(&LanguageTexts::MsgFileNotOpened, file));
}

void DiscActions::linkNotFound(const QString& link) {
    showErrorMessage(messages_, texts_.MsgTitle, texts_.MsgFileNotFound, link);
}

// A desktop that cannot open it leaves the viewer where it is, to open it by hand, in the
// language current when the desktop answers.
Desktop::NotOpened DiscActions::notOpenedMessage(QString LanguageTexts::*message,
                                                 const QString& path) {
    return [self = QPointer<DiscActions>(this), message, path](const QString&) {
        if (self)
            showErrorMessage(self->messages_, self->texts_.MsgTitle, self->texts_.*message,
                             QDir::toNativeSeparators(path));
    };
}

void DiscActions::closeDocument() {
    if (stage_.view() == Stage::View::Document)
        showMedia();
}

void DiscActions::toggleDocument(const QString& configuredPath) {
    if (stage_.view() == Stage::View::Document)
        showMedia();
    else
        showDocument(configuredPath);
}

// The document stopped a movie: it comes back as Stop leaves it, the logo in front; the slides
// step on by themselves again.
void DiscActions::showMedia() {
    stage_.showMedia();
    if (stage_.slides())
        stage_.runSlides();
    qCInfo(logAction) << "info closed: media shown";
}

// The media are put away first, also when the document then cannot be found: the next click
// tries the document again.
void DiscActions::showDocument(const QString& configuredPath) {
    if (stage_.movie())
        player_.Stop();
    // Only the slideshow's pictures are put away: the logo stays where there are none.
    if (stage_.slides())
        stage_.holdSlides();
    stage_.showView(stage_.slides() ? Stage::View::Nothing : Stage::View::Pictures);

    const QString document = disc_.findFile(configuredPath);
    if (document.isEmpty()) {
        showErrorMessage(messages_, texts_.MsgTitle, texts_.MsgFileNotFound, configuredPath);
        return;
    }
    stage_.showDocument(document);
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
