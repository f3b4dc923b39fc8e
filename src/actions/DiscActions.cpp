#include "actions/DiscActions.h"

#include "platform/desktop/Desktop.h"
#include "platform/log/Log.h"
#include "platform/media/MediaPlayerControl.h"
#include "window/Messages.h"
#include "window/Stage.h"

#include <QDir>
#include <QPointer>

namespace vistrel {

DiscActions::DiscActions(DiscFolder disc, ButtonTexts paths, MediaPlayerControl& player,
                         Stage& stage, Desktop& desktop, const Messages& messages)
    : disc_(std::move(disc)), paths_(std::move(paths)), player_(player), stage_(stage),
      desktop_(desktop), messages_(messages) {}

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
        messages_.showError("errPathNotFound", configuredPath);
        return;
    }
    // The folder found, not the configured text: that would depend on the working directory
    // rather than on the disc.
    desktop_.openFolder(folder, notOpenedMessage("errFolderNotOpened", folder));
}

void DiscActions::openLinkedFile(const QString& file) {
    desktop_.openFile(file, notOpenedMessage("errFileNotOpened", file));
}

void DiscActions::linkNotFound(const QString& link) {
    messages_.showError("errFileNotFound", link);
}

// A desktop that cannot open it leaves the viewer where it is, to open it by hand, in the
// language current when the desktop answers.
Desktop::NotOpened DiscActions::notOpenedMessage(TextKey message, const QString& path) {
    return [self = QPointer<DiscActions>(this), message, path](const QString&) {
        if (self)
            self->messages_.showError(message, QDir::toNativeSeparators(path));
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
        messages_.showError("errFileNotFound", configuredPath);
        return;
    }
    stage_.showDocument(document);
}

void DiscActions::install(const QString& configuredPath) {
    const QString program = disc_.findFile(configuredPath);
    if (program.isEmpty()) {
        messages_.showError("errFileNotFound", configuredPath);
        return;
    }
    // By its path as a program with no arguments, never as a command line: a path with blanks
    // or shell characters starts exactly this file. Whether it then succeeds is not waited for;
    // a program that cannot start at all would otherwise leave the viewer with nothing.
    if (!desktop_.startProgram(program, {}))
        messages_.showError("errCannotStart", QDir::toNativeSeparators(program));
}

} // namespace vistrel
