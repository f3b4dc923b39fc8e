#include "app/check/MediaContainers.h"

#include <QFileInfo>
#include <QList>

namespace vistrel {

namespace {

const QList<MediaContainer>& containers() {
    static const QList<MediaContainer> known{
        {"video/mpeg", "an MPEG program stream", {"mpg", "mpeg", "mpe", "vob", "dat", "m2p"}},
        {"video/mpegts", "an MPEG transport stream", {"ts", "m2ts", "mts"}},
        {"video/x-msvideo", "an AVI file", {"avi", "divx"}},
        {"video/x-ms-asf", "an ASF (Windows Media) file", {"wmv", "asf", "wma"}},
        {"video/quicktime", "an MP4 (QuickTime) file", {"mp4", "m4v", "m4a", "mov", "3gp"}},
        {"audio/x-m4a", "an MP4 sound file", {"m4a", "mp4"}},
        {"application/x-3gp", "a 3GP file", {"3gp", "mp4"}},
        {"video/x-matroska", "a Matroska file", {"mkv", "mka", "mk3d"}},
        {"video/webm", "a WebM file", {"webm", "mkv"}},
        {"audio/webm", "a WebM sound file", {"webm", "weba", "mka"}},
        {"application/ogg", "an Ogg file", {"ogg", "ogv", "oga", "opus", "spx"}},
        {"video/ogg", "an Ogg video file", {"ogv", "ogg"}},
        {"audio/ogg", "an Ogg sound file", {"ogg", "oga", "opus", "spx"}},
        {"audio/x-wav", "a WAVE file", {"wav", "wave"}},
        {"video/x-flv", "a Flash video file", {"flv"}},
    };
    return known;
}

} // namespace

const MediaContainer* findMediaContainer(const QString& type) {
    for (const MediaContainer& container : containers())
        if (container.type == type)
            return &container;
    return nullptr;
}

bool isNamedAs(const QString& fileName, const MediaContainer& container) {
    return container.extensions.contains(QFileInfo(fileName).suffix().toLower());
}

} // namespace vistrel
