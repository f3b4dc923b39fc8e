#pragma once

#include <QMediaPlayer>

namespace vistrel {

// What Qt Multimedia's player says of the file it was given, read the same way by the program's
// player and by the disc check's probe.

bool isLoaded(QMediaPlayer::MediaStatus status);
// The player refused the file.
bool isRefused(const QMediaPlayer& player);
// The file has a video stream that no decoder of the framework takes. Qt's FFmpeg backend
// refuses such a file, and only its error text tells why; a file that loads has no video though
// its metadata announce a stream.
bool lacksVideoDecoder(const QMediaPlayer& player);

} // namespace vistrel
