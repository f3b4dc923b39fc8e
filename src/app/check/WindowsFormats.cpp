#include "app/check/WindowsFormats.h"

#include <QFileInfo>
#include <QStringList>

namespace vistrel {

namespace {

const QStringList WindowsContainers{"asf", "wmv", "wma", "avi", "mp4", "m4v",
                                    "m4a", "mov", "3gp", "mp3", "wav", "aac"};

// Names as the media framework spells them ("H264", "MPEG4", "MotionJPEG"...), compared without
// punctuation or case; one it could not tell counts as unknown.
QString plain(const QString& name) {
    QString letters;
    for (const QChar c : name)
        if (c.isLetterOrNumber())
            letters.append(c.toLower());
    return letters == "unspecified" ? QString() : letters;
}

bool windowsDecodesVideo(const QString& codec) {
    const QString name = plain(codec);
    return name.isEmpty() || name == "h264" || name == "avc" || name.startsWith("mpeg4") ||
           name.startsWith("wmv") || name.startsWith("windowsmediavideo") ||
           name.contains("jpeg") || name == "msmpeg4";
}

bool windowsDecodesAudio(const QString& codec) {
    const QString name = plain(codec);
    return name.isEmpty() || name == "aac" || name == "mp3" || name.startsWith("wma") ||
           name.startsWith("windowsmediaaudio") || name == "wave" || name.startsWith("pcm");
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
