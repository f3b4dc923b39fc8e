#include "platform/media/MediaProbe.h"
#include "platform/media/qt/QtMediaVerdict.h"

#include <QAudioOutput>
#include <QEventLoop>
#include <QMediaFormat>
#include <QMediaMetaData>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QVideoSink>

namespace vistrel {

namespace {

constexpr int DetailsTimeoutMs = 1000;

void waitForVerdict(QMediaPlayer& player, int timeoutMs) {
    if (player.mediaStatus() != QMediaPlayer::LoadingMedia ||
        player.error() != QMediaPlayer::NoError)
        return;
    QEventLoop loop;
    QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &loop,
                     [&loop](QMediaPlayer::MediaStatus status) {
                         if (status != QMediaPlayer::LoadingMedia)
                             loop.quit();
                     });
    QObject::connect(&player, &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
}

// Duration and stream details can follow the verdict by a moment, for sound more than video.
void waitForDetails(QMediaPlayer& player, int timeoutMs) {
    if (player.duration() > 0)
        return;
    QEventLoop loop;
    QObject::connect(&player, &QMediaPlayer::durationChanged, &loop, [&loop](qint64 duration) {
        if (duration > 0)
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
}

void readMetaData(const QMediaMetaData& data, MediaFacts& facts) {
    facts.videoSize = data.value(QMediaMetaData::Resolution).toSize();
    const QVariant video = data.value(QMediaMetaData::VideoCodec);
    if (video.isValid())
        facts.videoCodec = QMediaFormat::videoCodecName(video.value<QMediaFormat::VideoCodec>());
    const QVariant audio = data.value(QMediaMetaData::AudioCodec);
    if (audio.isValid())
        facts.audioCodec = QMediaFormat::audioCodecName(audio.value<QMediaFormat::AudioCodec>());
}

MediaFacts::Verdict verdictOf(const QMediaPlayer& player) {
    if (lacksVideoDecoder(player))
        return MediaFacts::NoVideoDecoder;
    if (isRefused(player))
        return MediaFacts::Refused;
    if (!isLoaded(player.mediaStatus()))
        return MediaFacts::NoAnswer;
    return MediaFacts::Opened;
}

} // namespace

MediaFacts probeMedia(const QString& path, int timeoutMs) {
    QMediaPlayer player;
    // Frames go nowhere and the sound is muted; the output is there because the framework's
    // pipeline, as the program's player builds it, fails without one.
    QVideoSink sink;
    player.setVideoSink(&sink);
    QAudioOutput audio;
    audio.setMuted(true);
    player.setAudioOutput(&audio);
    player.setSource(QUrl::fromLocalFile(path));
    waitForVerdict(player, timeoutMs);
    if (isLoaded(player.mediaStatus()))
        waitForDetails(player, DetailsTimeoutMs);
    MediaFacts facts;
    readMetaData(player.metaData(), facts);
    facts.verdict = verdictOf(player);
    facts.error = player.errorString();
    facts.durationMs = player.duration();
    player.setSource(QUrl());
    return facts;
}

} // namespace vistrel
