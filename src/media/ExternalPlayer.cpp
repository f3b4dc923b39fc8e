#include "media/ExternalPlayer.h"

#include "platform/desktop/Desktop.h"
#include "platform/log/Log.h"
#include "platform/media/MediaPlayerControl.h"
#include "platform/messages/ErrorMessage.h"
#include "window/LanguageTexts.h"

#include <QDir>

namespace vistrel {

ExternalPlayer::ExternalPlayer(MediaPlayerControl& player, DiscFolder disc,
                               ExternalPlayerSettings settings, Components installed,
                               Desktop& desktop, MessageBoxes& messages, LanguageTexts texts)
    : player_(player), disc_(std::move(disc)), settings_(std::move(settings)),
      installed_(installed), desktop_(desktop), messages_(messages), texts_(std::move(texts)) {}

void ExternalPlayer::startPlayerClicked() {
    if (!installed_.CodecInstalled) {
        showErrorMessage(messages_, texts_.MsgTitle, texts_.MsgCodecNotInstalled,
                         settings_.codecDescription);
        return;
    }
    // By its full path: the player starts in its own folder, where a path relative to ours
    // would no longer hold.
    const QString program = disc_.findEntry(settings_.runPath);
    if (program.isEmpty()) {
        showErrorMessage(messages_, texts_.MsgTitle, texts_.MsgFileNotFound, settings_.runPath);
        return;
    }
    player_.Stop();
    // By its path, the parameter apart from it: a path with blanks cannot start another program.
    if (!desktop_.startProgramWithParameter(program, settings_.parameter)) {
        // The front end stays open rather than vanish with nothing playing.
        showErrorMessage(messages_, texts_.MsgTitle, texts_.MsgCannotStart,
                         QDir::toNativeSeparators(program));
        return;
    }
    emit handedOver();
}

} // namespace vistrel
