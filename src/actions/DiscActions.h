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
struct LanguageTexts;
struct MediaState;

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
    DocumentView& document;
    ImageArea& pictures;
    QTimer& slideTimer;
};

// The four buttons that open what the disc carries: a folder of extra content, the information
// document (in place of the media), and the codec and player installers.
class DiscActions : public QObject {
    Q_OBJECT
  public:
    DiscActions(DiscFolder disc, DiscActionPaths paths, MediaElements elements,
                const MediaState& media, Desktop& desktop, MessageBoxes& messages,
                const LanguageTexts& texts);

    void Explore();
    void ToggleInfo();
    void InstallCodec();
    void InstallPlayer();

  private:
    void showMedia();
    void showDocument();
    void install(const QString& configuredPath);

    DiscFolder disc_;
    DiscActionPaths paths_;
    MediaElements elements_;
    const MediaState& media_;
    Desktop& desktop_;
    MessageBoxes& messages_;
    const LanguageTexts& texts_;
};

} // namespace vistrel
