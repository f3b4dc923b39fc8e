#include "media/ExternalPlayer.h"

#include "app/Core.h"
#include "language/ErrorMessage.h"
#include "platform/Desktop.h"
#include "platform/FilePaths.h"
#include "platform/Log.h"
#include "platform/MediaPlayerControl.h"
#include "text/ShellWords.h"

#include <QFileInfo>

namespace vistrel {

ExternalPlayer::ExternalPlayer(Core& core) : core_(core) {}

void ExternalPlayer::connectTo(MainDialog& dialog) {
    connect(dialog.btnStartPlayer, &ImageArea::clicked, this, &ExternalPlayer::startPlayerClicked);
}

QStringList ExternalPlayer::playerArguments(const QString& parameter) {
    QStringList arguments;
    for (const std::string& word : splitShellWords(parameter.toStdString()))
        arguments.append(QString::fromStdString(word));
    return arguments;
}

// As configured, else below the program's folder; empty when neither exists.
QString ExternalPlayer::findPlayer() const {
    const AppState& s = core_.state;
    QString command = s.PlayerRunPath;
    if (!PathFileExists(command))
        command = joinPath(s.AppPath, s.PlayerRunPath);
    if (!PathFileExists(command))
        return {};
    // Started from its own folder, so a path relative to ours would no longer hold.
    return QFileInfo(resolvePath(command)).absoluteFilePath();
}

void ExternalPlayer::startPlayerClicked() {
    const AppState& s = core_.state;
    MessageBoxes& messages = core_.services.messages;
    if (!s.CodecInstalled) {
        showErrorMessage(messages, s.MsgTitle, core_.texts.MsgCodecNotInstalled,
                         s.CodecDescription);
        return;
    }
    const QString program = findPlayer();
    if (program.isEmpty()) {
        showErrorMessage(messages, s.MsgTitle, core_.texts.MsgFileNotFound, s.PlayerRunPath);
        return;
    }
    core_.dialog().MediaPlayer->Stop();
    // By its path with the arguments as a list: a path with blanks cannot start another program.
    if (!core_.services.desktop.startProgram(program, playerArguments(s.PlayerParameter))) {
        // The front end stays open rather than vanish with nothing playing.
        showErrorMessage(messages, s.MsgTitle, core_.texts.MsgFileNotFound, s.PlayerRunPath);
        return;
    }
    core_.unload("btnStartPlayer");
}

} // namespace vistrel
