#include "media/ExternalPlayer.h"

#include "platform/desktop/Desktop.h"
#include "platform/log/Log.h"
#include "platform/media/MediaPlayerControl.h"
#include "window/Messages.h"

#include <QDir>

namespace vistrel {

ExternalPlayer::ExternalPlayer(MediaPlayerControl& player, DiscFolder disc,
                               ExternalPlayerSettings settings, Components installed,
                               Desktop& desktop, const Messages& messages)
    : player_(player), disc_(std::move(disc)), settings_(std::move(settings)),
      installed_(installed), desktop_(desktop), messages_(messages) {}

void ExternalPlayer::startPlayerClicked() {
    if (!installed_.CodecInstalled) {
        messages_.showError("errCodecNotInstalled", settings_.codecDescription);
        return;
    }
    // By its full path: the player starts in its own folder, where a path relative to ours
    // would no longer hold.
    const QString program = disc_.findEntry(settings_.runPath);
    if (program.isEmpty()) {
        messages_.showError("errFileNotFound", settings_.runPath);
        return;
    }
    player_.Stop();
    // By its path, the parameter apart from it: a path with blanks cannot start another program.
    if (!desktop_.startProgramWithParameter(program, settings_.parameter)) {
        // The front end stays open rather than vanish with nothing playing.
        messages_.showError("errCannotStart", QDir::toNativeSeparators(program));
        return;
    }
    emit handedOver();
}

} // namespace vistrel
