#include "platform/media/qt/QtMediaPlayerControl.h"

#include "platform/disc/DiscFile.h"
#include "platform/disc/FilePaths.h"
#include "platform/log/Log.h"

#include <QAudioOutput>
#include <QChildEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMediaFormat>
#include <QMediaMetaData>
#include <QSignalBlocker>
#include <QTimer>
#include <QUrl>
#include <QVideoWidget>

#include <cmath>

namespace vistrel {

namespace {

bool isLoaded(QMediaPlayer::MediaStatus status) {
    return status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferingMedia ||
           status == QMediaPlayer::BufferedMedia || status == QMediaPlayer::StalledMedia ||
           status == QMediaPlayer::EndOfMedia;
}

// The file announces a video stream, whether or not a decoder for it is installed.
bool announcesVideo(const QMediaMetaData& metaData) {
    return metaData.keys().contains(QMediaMetaData::VideoCodec) ||
           metaData.value(QMediaMetaData::Resolution).toSize().isValid();
}

} // namespace

QtMediaPlayerControl::QtMediaPlayerControl(QWidget* parent)
    : MediaPlayerControl(parent), parent_(parent), stackingPlace_(parent),
      watchdog_(new QTimer(this)) {
    watchdog_->setInterval(1000);
    connect(watchdog_, &QTimer::timeout, this, &QtMediaPlayerControl::watchdogTick);
}

void QtMediaPlayerControl::createBackend() {
    if (hasBackend())
        return;
    qCDebug(logMedia) << "starting the media framework";
    player_ = new QMediaPlayer(this);
    audio_ = new QAudioOutput(this);
    video_ = new QVideoWidget(parent_);
    player_->setAudioOutput(audio_);
    player_->setVideoOutput(video_);
    // Black bars rather than a squashed picture, in the window as on the whole screen.
    video_->setAspectRatioMode(Qt::KeepAspectRatio);
    video_->setGeometry(pendingGeometry_);
    video_->setEnabled(enabled_);
    stackingPlace_.putInPlace(video_);
    video_->installEventFilter(this);
    watchChildren();
    updateVideoVisibility();

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
    connect(video_, &QVideoWidget::fullScreenChanged, this, [this](bool fullScreen) {
        if (!fullScreen)
            leftFullScreen();
    });
}

QtMediaPlayerControl::~QtMediaPlayerControl() = default;

QWidget* QtMediaPlayerControl::widget() {
    createBackend();
    return video_;
}

bool QtMediaPlayerControl::decodesMovieVideo() {
    const auto decoders = QMediaFormat().supportedVideoCodecs(QMediaFormat::Decode);
    return decoders.contains(QMediaFormat::VideoCodec::MPEG4);
}

// ---- opening ----

void QtMediaPlayerControl::setFileName(const QString& path) {
    createBackend();
    playWhenLoaded_ = false;
    stopPending_ = false;
    if (player_->playbackState() != QMediaPlayer::StoppedState)
        player_->stop();
    fileName_ = path;
    failed_ = false;
    stallWatch_.reset();
    error_ = NoError;
    if (path.isEmpty()) {
        player_->setSource(QUrl());
        updateVideoVisibility();
        qCInfo(logMedia) << "open: nothing";
        return;
    }
    const QString resolved = resolvePath(path);
    error_ = checkMediaFile(resolved);
    if (error_ == NoError) {
        player_->setSource(QUrl::fromLocalFile(QFileInfo(resolved).absoluteFilePath()));
        error_ = waitUntilOpened();
    }
    if (error_ != NoError)
        player_->setSource(QUrl());
    updateVideoVisibility();
    qCInfo(logMedia).noquote() << "open:" << path << "error:" << error_
                               << "duration:" << Duration();
}

// The callers read the error indicator right after naming the file, so opening waits for the
// framework's verdict. User input is held back meanwhile; the wait is bounded, and a verdict
// that comes later is reported through failedLate().
int QtMediaPlayerControl::waitUntilOpened() {
    if (player_->mediaStatus() == QMediaPlayer::LoadingMedia &&
        player_->error() == QMediaPlayer::NoError) {
        QEventLoop loop;
        connect(player_, &QMediaPlayer::mediaStatusChanged, &loop,
                [&loop](QMediaPlayer::MediaStatus status) {
                    if (status != QMediaPlayer::LoadingMedia)
                        loop.quit();
                });
        connect(player_, &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);
        QTimer::singleShot(OpenTimeoutMs, &loop, &QEventLoop::quit);
        opening_ = true;
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        opening_ = false;
    }
    return openResult();
}

int QtMediaPlayerControl::openResult() const {
    const QMediaPlayer::MediaStatus status = player_->mediaStatus();
    if (player_->error() != QMediaPlayer::NoError || status == QMediaPlayer::InvalidMedia ||
        status == QMediaPlayer::NoMedia)
        return Undecodable;
    if (!isLoaded(status))
        return NoError; // still loading after the wait: taken as opened
    if (!player_->hasVideo() && announcesVideo(player_->metaData()))
        return NoVideoDecoder;
    return NoError;
}

QString QtMediaPlayerControl::fileName() const {
    return isOpen() ? fileName_ : QString();
}
int QtMediaPlayerControl::errorIndicator() const {
    return error_;
}

bool QtMediaPlayerControl::isOpen() const {
    return !fileName_.isEmpty() && error_ == NoError && !failed_;
}

void QtMediaPlayerControl::mediaStatusChanged(QMediaPlayer::MediaStatus status) {
    if (opening_ || !isOpen())
        return;
    if (status == QMediaPlayer::InvalidMedia) {
        failLate("the media is invalid");
        return;
    }
    if (status == QMediaPlayer::LoadedMedia && !player_->hasVideo() &&
        announcesVideo(player_->metaData())) {
        failLate("no decoder for the video");
        return;
    }
    if (isLoaded(status) && playWhenLoaded_)
        startWhenLoaded();
}

void QtMediaPlayerControl::frameworkError(QMediaPlayer::Error error, const QString& text) {
    qCInfo(logMedia).noquote() << "player error:" << int(error) << text;
    failLate(text);
}

void QtMediaPlayerControl::failLate(const QString& reason) {
    // Several reports of one failure come in; while opening, the wait reads the verdict itself.
    if (opening_ || !isOpen())
        return;
    failed_ = true;
    error_ = Undecodable;
    playWhenLoaded_ = false;
    stopPending_ = false;
    watchdog_->stop();
    updateVideoVisibility();
    qCInfo(logMedia).noquote() << "open failed late:" << fileName_ << reason;
    // The framework can be left "playing" and its stop() blocks; tear down after this event.
    QTimer::singleShot(0, this, [this] {
        if (failed_)
            player_->setSource(QUrl());
    });
    emit failedLate();
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
    stallWatch_.reset();
    // Playing before the media is loaded can stall; start once it is.
    if (!isLoaded(player_->mediaStatus())) {
        playWhenLoaded_ = true;
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
    player_->setPosition(ms);
}

double QtMediaPlayerControl::CurrentPosition() const {
    return hasBackend() ? player_->position() / 1000.0 : 0.0;
}
double QtMediaPlayerControl::Duration() const {
    return hasBackend() ? player_->duration() / 1000.0 : 0.0;
}

// A stall shows as a position that stands still while the framework says "playing".
void QtMediaPlayerControl::watchdogTick() {
    const bool playing = player_->playbackState() == QMediaPlayer::PlayingState &&
                         player_->mediaStatus() != QMediaPlayer::EndOfMedia;
    const qint64 position = player_->position();
    switch (stallWatch_.tick(playing, position)) {
    case StallWatch::Action::None:
        return;
    case StallWatch::Action::Restart:
        qCInfo(logMedia) << "playback stalled at" << position << "ms: restarting";
        player_->pause();
        player_->play();
        return;
    case StallWatch::Action::GiveUp:
        failLate("playback stalled");
        return;
    }
}

// ---- display ----

MediaDisplaySize QtMediaPlayerControl::DisplaySize() const {
    return video_ && video_->isFullScreen() ? MediaDisplaySize::FullScreen
                                            : MediaDisplaySize::FitToSize;
}

void QtMediaPlayerControl::setDisplaySize(MediaDisplaySize size) {
    if (size == MediaDisplaySize::FullScreen) {
        createBackend();
        if (video_->isFullScreen())
            return;
        normalGeometry_ = video_->geometry();
        video_->setFullScreen(true);
        qCInfo(logMedia) << "player full screen";
        return;
    }
    if (!video_ || !video_->isFullScreen())
        return;
    leaveFullScreen();
}

// The widget reports leaving full screen before the framework moves it back to the place it
// noted itself; the place kept here is put back only once that is done.
void QtMediaPlayerControl::leaveFullScreen() {
    {
        const QSignalBlocker quiet(video_);
        video_->setFullScreen(false);
    }
    leftFullScreen();
}

// Leaving full screen restores the widget's position but not its size.
void QtMediaPlayerControl::leftFullScreen() {
    if (video_->isFullScreen() || normalGeometry_.isNull())
        return;
    video_->setGeometry(normalGeometry_);
    normalGeometry_ = QRect();
    updateVideoVisibility();
    qCInfo(logMedia) << "player back in the window at" << video_->geometry();
}

QRect QtMediaPlayerControl::geometry() const {
    if (!video_)
        return pendingGeometry_;
    return video_->isFullScreen() ? normalGeometry_ : video_->geometry();
}

// While the video covers the screen, placement is kept for the return to the window.
void QtMediaPlayerControl::setGeometry(const QRect& geometry) {
    const QRect g(geometry.topLeft(), geometry.size().expandedTo(QSize(0, 0)));
    if (!video_)
        pendingGeometry_ = g;
    else if (video_->isFullScreen())
        normalGeometry_ = g;
    else
        video_->setGeometry(g);
}

void QtMediaPlayerControl::setVisible(bool visible) {
    visible_ = visible;
    updateVideoVisibility();
}

bool QtMediaPlayerControl::Visible() const {
    return visible_;
}

// Sound alone, or nothing opened, draws nothing: the picture area beneath stays in sight instead
// of a black box over it.
void QtMediaPlayerControl::updateVideoVisibility() {
    if (!video_ || video_->isFullScreen())
        return;
    video_->setVisible(visible_ && isOpen() && player_->hasVideo());
}

void QtMediaPlayerControl::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (video_)
        video_->setEnabled(enabled);
}

// ---- input ----

void QtMediaPlayerControl::watchChildren() {
    for (QObject* child : video_->findChildren<QObject*>())
        child->installEventFilter(this);
}

// The video lies in a native window inside the widget: its double clicks and keys may arrive
// at the widget or at the window's container, so both are watched.
bool QtMediaPlayerControl::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (watched == video_)
            static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
        return false;
    case QEvent::MouseButtonDblClick:
        qCInfo(logMedia) << "player double-click";
        emit DblClick();
        return true;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && video_->isFullScreen()) {
            qCInfo(logMedia) << "player leaves full screen by itself (Esc)";
            leaveFullScreen();
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace vistrel
