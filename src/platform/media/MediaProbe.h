#pragma once

#include <QSize>
#include <QString>

#include <functional>

namespace vistrel {

// What the media framework makes of a file, learnt without showing or sounding anything.
struct MediaFacts {
    enum Verdict {
        Opened,
        Refused,        // the framework cannot open or decode it
        NoVideoDecoder, // it has a video stream the framework has no decoder for
        NoAnswer,       // no verdict within the wait; the program takes it as opened
    };
    Verdict verdict = Refused;
    QString error; // the framework's reason when refused
    qint64 durationMs = 0;
    QSize videoSize; // invalid without video
    // The shape of the video's pixels, width to height: 64:45 for a 720x576 picture shown at
    // 16:9. Square where the framework does not say.
    QSize pixelAspect{1, 1};
    // What the file is, as a media type ("video/x-ms-asf", "video/mpeg" for a program stream);
    // empty where the framework names no container (a bare MP3 stream, say).
    QString container;
    QString videoCodec;
    QString audioCodec;
};

// Opens the file with the media framework and waits (bounded) for its verdict, judged as the
// program's player judges an opened file.
MediaFacts probeMedia(const QString& path, int timeoutMs);

// probeMedia, or another framework's.
using MediaProber = std::function<MediaFacts(const QString& path, int timeoutMs)>;

} // namespace vistrel
