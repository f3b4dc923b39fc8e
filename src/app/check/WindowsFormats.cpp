#include "app/check/WindowsFormats.h"

#include <QFileInfo>
#include <QStringList>

namespace vistrel {

namespace {

const QStringList WindowsContainers{"asf", "wmv", "wma", "avi", "mp4", "m4v",
                                    "m4a", "mov", "3gp", "mp3", "wav", "aac"};

// Names as the media frameworks spell them (Qt's "H264" and "MP3", GStreamer's "H.264 (High
// Profile)" and "MPEG-1 Layer 3 (MP3)"), compared without punctuation or case; one the framework
// could not tell counts as unknown.
QString plain(const QString& name) {
    QString letters;
    for (const QChar c : name)
        if (c.isLetterOrNumber())
            letters.append(c.toLower());
    return letters == "unspecified" ? QString() : letters;
}

bool windowsDecodesVideo(const QString& codec) {
    const QString name = plain(codec);
    // MPEG-4 Part 2 and Microsoft's variants of it, H.264, WMV, Motion-JPEG.
    return name.isEmpty() || name.contains("h264") || name.contains("mpeg4") ||
           name.contains("wmv") || name.contains("windowsmediavideo") || name.contains("jpeg");
}

bool windowsDecodesAudio(const QString& codec) {
    const QString name = plain(codec);
    return name.isEmpty() || name.contains("aac") || name.contains("mp3") || name.contains("wma") ||
           name.contains("windowsmediaaudio") || name.contains("pcm") || name == "wave";
}

} // namespace

std::optional<QString> windowsLacksFor(const QString& fileName, const QString& videoCodec,
                                       const QString& audioCodec) {
    const QString extension = QFileInfo(fileName).suffix().toLower();
    if (!WindowsContainers.contains(extension))
        return QStringLiteral("Windows opens no .%1 file by itself").arg(extension);
    if (!windowsDecodesVideo(videoCodec))
        return QStringLiteral("Windows decodes no %1 video by itself").arg(videoCodec);
    if (!windowsDecodesAudio(audioCodec))
        return QStringLiteral("Windows decodes no %1 sound by itself").arg(audioCodec);
    return std::nullopt;
}

} // namespace vistrel
