#include "platform/media/qt/QtMediaPlayerControl.h"

#include "platform/disc/DiscFile.h"
#include "platform/disc/FilePaths.h"
#include "platform/log/Log.h"
#include "platform/media/qt/QtMediaVerdict.h"
#include "platform/media/qt/QtMultimediaBackend.h"

#include <QAudioOutput>
#include <QFile>
#include <QFileInfo>
#include <QMediaFormat>
#include <QMediaMetaData>
#include <QTimer>
#include <QUrl>
#include <QVideoWidget>
#include <QWidget>

#include <cmath>

namespace vistrel {

namespace {

// Loaded or refused; the source being set passes through "no media" on its way to loading.
bool isVerdict(QMediaPlayer::MediaStatus status) {
    return isLoaded(status) || status == QMediaPlayer::InvalidMedia;
}

} // namespace

QtMediaPlayerControl::QtMediaPlayerControl(QWidget* parent)
    : MediaPlayerControl(parent), window_(new QtVideoWindow(parent)),
      phase_(new OpenPhase(*this, OpenTimeoutMs)),
      watchdog_(new PlaybackWatchdog(this, [this](qint64& ms) { return motion(ms); })) {
    connect(phase_, &OpenPhase::decide, this, &QtMediaPlayerControl::finishOpening);
    connect(watchdog_, &PlaybackWatchdog::restartWanted, this, [this] {
        player_->pause();
        player_->play();
    });
    connect(watchdog_, &PlaybackWatchdog::givenUp, this, [this] { failLate("playback stalled"); });
    window_->setParent(this);
    connect(window_, &QtVideoWindow::doubleClicked, this, &MediaPlayerControl::DblClick);
    connect(window_, &QtVideoWindow::fullScreenLeft, this, &MediaPlayerControl::fullScreenLeft);
}

void QtMediaPlayerControl::createBackend() {
    if (hasBackend() || frameworkMissing_)
        return;
    qCDebug(logMedia) << "starting the media framework";
    if (!qtMultimediaBackendLoads()) {
        frameworkMissing_ = true;
        return;
    }
    player_ = new QMediaPlayer(this);
    audio_ = new QAudioOutput(this);
    player_->setAudioOutput(audio_);
    player_->setVideoOutput(window_->widget());

    connect(player_, &QMediaPlayer::mediaStatusChanged, this,
            &QtMediaPlayerControl::mediaStatusChanged);
    connect(player_, &QMediaPlayer::errorOccurred, this, &QtMediaPlayerControl::frameworkError);
    connect(player_, &QMediaPlayer::playbackStateChanged, this,
            [this](QMediaPlayer::PlaybackState state) {
                if (state == QMediaPlayer::PlayingState)
                    watchdog_->start();
                else
                    watchdog_->stop();
            });
    connect(player_, &QMediaPlayer::hasVideoChanged, this,
            &QtMediaPlayerControl::updateVideoVisibility);
}

QtMediaPlayerControl::~QtMediaPlayerControl() = default;

QWidget* QtMediaPlayerControl::widget() {
    createBackend();
    return hasBackend() ? window_->widget() : nullptr;
}

bool QtMediaPlayerControl::decodesMovieVideo() {
    const auto decoders = QMediaFormat().supportedVideoCodecs(QMediaFormat::Decode);
    return decoders.contains(QMediaFormat::VideoCodec::MPEG4);
}

// ---- opening ----

void QtMediaPlayerControl::open(const QString& path) {
    createBackend();
    if (!hasBackend()) {
        phase_->begin(path);
        if (!path.isEmpty())
            phase_->refuseSoon(Undecodable);
        return;
    }
    playWhenLoaded_ = false;
    stopPending_ = false;
    watchdog_->stop();
    if (player_->playbackState() != QMediaPlayer::StoppedState)
        player_->stop();
    phase_->begin(path);
    const QString resolved = resolvePath(path);
    const MediaOpenError error = path.isEmpty() ? NoError : checkMediaFile(resolved);
    if (path.isEmpty() || error != NoError)
        player_->setSource(QUrl());
    else
        player_->setSource(QUrl::fromLocalFile(QFileInfo(resolved).absoluteFilePath()));
    updateVideoVisibility();
    if (error != NoError)
        phase_->refuseSoon(error);
    // The framework may have decided already (a file it refuses at once).
    else if (isVerdict(player_->mediaStatus()) || player_->error() != QMediaPlayer::NoError)
        phase_->decideSoon();
}

// The media is loaded or refused, or the wait is over.
void QtMediaPlayerControl::finishOpening() {
    const MediaOpenError error = openResult();
    if (error == NoError) {
        phase_->tellOpened({Duration(), player_->hasVideo()});
    } else {
        player_->setSource(QUrl());
        phase_->tellFailed(error);
    }
    updateVideoVisibility();
}

MediaOpenError QtMediaPlayerControl::openResult() const {
    if (lacksVideoDecoder(*player_))
        return NoVideoDecoder;
    if (isRefused(*player_))
        return Undecodable;
    return NoError; // loaded, or still loading after the wait: taken as opened
}

QString QtMediaPlayerControl::fileName() const {
    return isOpen() ? phase_->file() : QString();
}

void QtMediaPlayerControl::mediaStatusChanged(QMediaPlayer::MediaStatus status) {
    if (phase_->opening()) {
        if (isVerdict(status))
            phase_->decideSoon();
        return;
    }
    if (!isOpen())
        return;
    if (status == QMediaPlayer::EndOfMedia)
        qCInfo(logMedia) << "at the end:" << player_->position() << "ms";
    if (status == QMediaPlayer::InvalidMedia) {
        failLate("the media is invalid");
        return;
    }
    if (status == QMediaPlayer::LoadedMedia && lacksVideoDecoder(*player_)) {
        failLate("no decoder for the video");
        return;
    }
    if (isLoaded(status) && playWhenLoaded_)
        startWhenLoaded();
}

void QtMediaPlayerControl::frameworkError(QMediaPlayer::Error error, const QString& text) {
    qCInfo(logMedia).noquote() << "player error:" << int(error) << text;
    if (phase_->opening())
        phase_->decideSoon();
    else
        failLate(text);
}

void QtMediaPlayerControl::failLate(const QString& reason) {
    // Several reports of one failure come in; the first one counts.
    if (!isOpen())
        return;
    playWhenLoaded_ = false;
    stopPending_ = false;
    watchdog_->stop();
    phase_->failLate(reason);
    updateVideoVisibility();
    // The framework can be left "playing" and its stop() blocks; tear down after this event.
    phase_->later([this] { player_->setSource(QUrl()); });
}

// ---- transport ----

void QtMediaPlayerControl::Play() {
    if (!isOpen()) {
        qCInfo(logMedia) << "play: nothing loaded";
        return;
    }
    qCInfo(logMedia) << "play";
    if (stopPending_) {
        stopPending_ = false;
        player_->stop();
    }
    // Playing before the media is loaded can stall; start once it is.
    if (!isLoaded(player_->mediaStatus())) {
        playWhenLoaded_ = true;
        watchdog_->start();
        return;
    }
    player_->play();
}

void QtMediaPlayerControl::startWhenLoaded() {
    playWhenLoaded_ = false;
    player_->play();
}

void QtMediaPlayerControl::Pause() {
    qCInfo(logMedia) << "pause";
    if (!isOpen() || stopPending_)
        return;
    playWhenLoaded_ = false;
    player_->pause();
}

// stop() tears the pipeline down and can block for a while: the picture and sound halt at once
// (pause), and the stop itself runs after the current event, or never when the program ends.
void QtMediaPlayerControl::Stop() {
    qCInfo(logMedia) << "stop";
    playWhenLoaded_ = false;
    if (!hasBackend() || stopPending_ || player_->playbackState() == QMediaPlayer::StoppedState)
        return;
    player_->pause();
    stopPending_ = true;
    QTimer::singleShot(0, this, &QtMediaPlayerControl::finishPendingStop);
}

void QtMediaPlayerControl::finishPendingStop() {
    if (!stopPending_)
        return;
    stopPending_ = false;
    player_->stop();
}

MediaPlayState QtMediaPlayerControl::PlayState() const {
    if (!isOpen() || stopPending_)
        return MediaPlayState::Stopped;
    if (playWhenLoaded_)
        return MediaPlayState::Playing;
    switch (player_->playbackState()) {
    case QMediaPlayer::PausedState:
        return MediaPlayState::Paused;
    case QMediaPlayer::PlayingState:
        return MediaPlayState::Playing;
    default:
        return MediaPlayState::Stopped;
    }
}

void QtMediaPlayerControl::setCurrentPosition(double seconds) {
    if (!isOpen() || !std::isfinite(seconds))
        return;
    const qint64 ms = std::llround(std::max(0.0, seconds) * 1000.0);
    // A stop rewinds by itself; a second seek would only block again.
    const bool stopped = player_->playbackState() == QMediaPlayer::StoppedState;
    if (ms == 0 && (stopPending_ || (stopped && player_->position() == 0)))
        return;
    qCInfo(logMedia) << "position:" << ms << "ms";
    player_->setPosition(ms);
}

double QtMediaPlayerControl::CurrentPosition() const {
    return hasBackend() ? player_->position() / 1000.0 : 0.0;
}
double QtMediaPlayerControl::Duration() const {
    return hasBackend() ? player_->duration() / 1000.0 : 0.0;
}

// A stall shows as a position that stands still while the framework says "playing"; while it
// is still loading the media, it is starting.
StallWatch::Motion QtMediaPlayerControl::motion(qint64& positionMs) const {
    positionMs = player_->position();
    if (playWhenLoaded_)
        return StallWatch::Motion::Starting;
    const QMediaPlayer::MediaStatus status = player_->mediaStatus();
    if (player_->playbackState() != QMediaPlayer::PlayingState ||
        status == QMediaPlayer::EndOfMedia)
        return StallWatch::Motion::Still;
    return status == QMediaPlayer::LoadingMedia ? StallWatch::Motion::Starting
                                                : StallWatch::Motion::Playing;
}

// ---- display ----

// Full screen needs the video widget, and so the framework.
void QtMediaPlayerControl::place(const VideoPlacement& placement) {
    if (placement.fullScreen)
        createBackend();
    window_->place(placement);
}

void QtMediaPlayerControl::updateVideoVisibility() {
    window_->setHasPicture(phase_->mayShowPicture() && hasBackend() && player_->hasVideo());
}

} // namespace vistrel
