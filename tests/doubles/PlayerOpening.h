#pragma once

#include "platform/media/MediaPlayerControl.h"

namespace vistrel::test {

// Opens the file and waits for the player's verdict: NoError when opened, else why not; -1 when
// no verdict came within the wait.
int openAndWait(MediaPlayerControl& player, const QString& path, int waitMs = 20000);

// A file for a player to open, written at the path with these bytes; the path, or none when it
// cannot be written.
QString writeMediaFile(const QString& path, const QByteArray& bytes = "scripted media");

} // namespace vistrel::test
