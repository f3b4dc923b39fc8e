#include "platform/media/qt/QtMediaVerdict.h"

#include <QMediaMetaData>
#include <QSize>

namespace vistrel {

namespace {

// The file announces a video stream, whether or not a decoder for it is installed.
bool announcesVideo(const QMediaMetaData& metaData) {
    return metaData.keys().contains(QMediaMetaData::VideoCodec) ||
           metaData.value(QMediaMetaData::Resolution).toSize().isValid();
}

} // namespace

bool isLoaded(QMediaPlayer::MediaStatus status) {
    return status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferingMedia ||
           status == QMediaPlayer::BufferedMedia || status == QMediaPlayer::StalledMedia ||
           status == QMediaPlayer::EndOfMedia;
}

bool isRefused(const QMediaPlayer& player) {
    const QMediaPlayer::MediaStatus status = player.mediaStatus();
    return player.error() != QMediaPlayer::NoError || status == QMediaPlayer::InvalidMedia ||
           status == QMediaPlayer::NoMedia;
}

bool lacksVideoDecoder(const QMediaPlayer& player) {
    if (isRefused(player))
        return player.errorString().contains(QLatin1String("decoder"), Qt::CaseInsensitive);
    return isLoaded(player.mediaStatus()) && !player.hasVideo() &&
           announcesVideo(player.metaData());
}

} // namespace vistrel
