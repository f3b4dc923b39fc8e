#pragma once

#include "platform/disc/DiscFolder.h"
#include "window/Buttons.h"

#include <QObject>
#include <QString>

class QTimer;

namespace vistrel {

class Desktop;
class DocumentView;
class ImageArea;
class MediaPlayerControl;
class MessageBoxes;
class VideoPlacer;
struct LanguageTexts;

// The elements that share the video area with the information document.
struct MediaElements {
    MediaPlayerControl& player;
    VideoPlacer& video;
    DocumentView& document;
    ImageArea& pictures;
    QTimer& slideTimer;
};

// What shares the area: a movie, a slideshow, or neither (music alone).
struct SharedArea {
    bool movie = false;
    bool slideShow = false;
};

// The buttons that open what the disc carries, each the path its row names: a folder of extra
// content, the information document (in place of the media), the codec and player installers.
class DiscActions : public QObject {
    Q_OBJECT
  public:
    // paths: what each button opens, as configured.
    DiscActions(DiscFolder disc, ButtonTexts paths, MediaElements elements, SharedArea shared,
                Desktop& desktop, MessageBoxes& messages, const LanguageTexts& texts);

    // Whether a click on a button that opens this is one of these actions.
    static constexpr bool handles(Opens opens) {
        return opens == Opens::Program || opens == Opens::Document || opens == Opens::Folder;
    }
    // A click on a button these actions handle: opens what its row names.
    void clicked(ButtonId id);
    // The media again in place of the information document, if it is showing.
    void closeDocument();
    // The movie cannot be played: the document no longer gives the area back to it.
    void movieGivenUp();

  private:
    void explore(const QString& configuredPath);
    void toggleDocument(const QString& configuredPath);
    void showMedia();
    void showDocument(const QString& configuredPath);
    void install(const QString& configuredPath);

    DiscFolder disc_;
    ButtonTexts paths_;
    MediaElements elements_;
    SharedArea shared_;
    Desktop& desktop_;
    MessageBoxes& messages_;
    const LanguageTexts& texts_;
};

} // namespace vistrel
