#pragma once

#include "platform/disc/DiscFolder.h"
#include "platform/settings/Detection.h"

#include <QObject>
#include <QStringList>

namespace vistrel {

class Desktop;
class MediaPlayerControl;
class Messages;

// What a disc says about its external player.
struct ExternalPlayerSettings {
    QString runPath;
    QString parameter;
    // Named when the codec the player needs is missing.
    QString codecDescription;
};

// btnStartPlayer: hands the movie to the configured external player; the front end then closes.
class ExternalPlayer : public QObject {
    Q_OBJECT
  public:
    ExternalPlayer(MediaPlayerControl& player, DiscFolder disc, ExternalPlayerSettings settings,
                   Components installed, Desktop& desktop, const Messages& messages);

    void startPlayerClicked();

  signals:
    // The player has started: the front end's work is done.
    void handedOver();

  private:
    MediaPlayerControl& player_;
    DiscFolder disc_;
    ExternalPlayerSettings settings_;
    Components installed_;
    Desktop& desktop_;
    const Messages& messages_;
};

} // namespace vistrel
