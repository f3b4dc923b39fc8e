#pragma once

#include "platform/disc/DiscFolder.h"

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

// What the four buttons open, as the disc configures it.
struct DiscActionPaths {
    QString explorerPath;
    QString infoPath;
    QString codecInstallPath;
    QString playerInstallPath;
};

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

// The four buttons that open what the disc carries: a folder of extra content, the information
// document (in place of the media), and the codec and player installers.
class DiscActions : public QObject {
    Q_OBJECT
  public:
    DiscActions(DiscFolder disc, DiscActionPaths paths, MediaElements elements, SharedArea shared,
                Desktop& desktop, MessageBoxes& messages, const LanguageTexts& texts);

    void Explore();
    void ToggleInfo();
    void InstallCodec();
    void InstallPlayer();
    // The movie cannot be played: the document no longer gives the area back to it.
    void movieGivenUp();

  private:
    void showMedia();
    void showDocument();
    void install(const QString& configuredPath);

    DiscFolder disc_;
    DiscActionPaths paths_;
    MediaElements elements_;
    SharedArea shared_;
    Desktop& desktop_;
    MessageBoxes& messages_;
    const LanguageTexts& texts_;
};

} // namespace vistrel
