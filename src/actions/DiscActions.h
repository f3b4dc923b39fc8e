#pragma once

#include "platform/desktop/Desktop.h"
#include "platform/disc/DiscFolder.h"
#include "window/Buttons.h"
#include "window/LanguageKeys.h"

#include <QObject>
#include <QString>

namespace vistrel {

class MediaPlayerControl;
class Messages;
class Stage;

// The buttons that open what the disc carries, each the path its row names: a folder of extra
// content, the information document (in the stage's front, in place of the media), the codec and
// player installers.
class DiscActions : public QObject {
    Q_OBJECT
  public:
    // paths: what each button opens, as configured; player: stopped for the document.
    DiscActions(DiscFolder disc, ButtonTexts paths, MediaPlayerControl& player, Stage& stage,
                Desktop& desktop, const Messages& messages);

    // Whether a click on a button that opens this is one of these actions.
    static constexpr bool handles(Opens opens) {
        return opens == Opens::Program || opens == Opens::Document || opens == Opens::Folder;
    }
    // A click on a button these actions handle: opens what its row names.
    void clicked(ButtonId id);
    // The media again in place of the information document, if it is showing.
    void closeDocument();
    // A file of the disc that a link of the document leads to and the view does not show: opened
    // with the system's program, or the folder's message where there is none.
    void openLinkedFile(const QString& file);
    // A link of the document to a file that is not there, as the page writes it.
    void linkNotFound(const QString& link);

  private:
    void explore(const QString& configuredPath);
    void toggleDocument(const QString& configuredPath);
    void showMedia();
    void showDocument(const QString& configuredPath);
    void install(const QString& configuredPath);
    Desktop::NotOpened notOpenedMessage(TextKey message, const QString& path);

    DiscFolder disc_;
    ButtonTexts paths_;
    MediaPlayerControl& player_;
    Stage& stage_;
    Desktop& desktop_;
    const Messages& messages_;
};

} // namespace vistrel
