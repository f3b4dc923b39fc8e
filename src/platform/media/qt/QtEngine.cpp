#include "platform/media/qt/QtEngine.h"

#include "platform/log/Log.h"
#include "platform/media/qt/QtMediaVerdict.h"
#include "platform/media/qt/QtVideoWindow.h"

#include <QAudioOutput>
#include <QMediaFormat>
#include <QTimer>
#include <QUrl>
#include <QVideoWidget>

namespace vistrel {

QtEngine::QtEngine(QWidget* parent)
    : MediaEngine(parent), window_(new QtVideoWindow(parent)), player_(new QMediaPlayer(this)),
      audio_(new QAudioOutput(this)) {
    qCDebug(logMedia) << "starting the media framework";
    window_->setParent(this);
    player_->setAudioOutput(audio_);
    player_->setVideoOutput(window_->widget());
    connect(window_, &QtVideoWindow::doubleClicked, this, &MediaEngine::doubleClicked);
    connect(window_, &QtVideoWindow::fullScreenLeft, this, &MediaEngine::fullScreenLeft);
    connect(player_, &QMediaPlayer::mediaStatusChanged, this, &QtEngine::statusChanged);
    connect(player_, &QMediaPlayer::errorOccurred, this, &QtEngine::frameworkError);
    connect(player_, &QMediaPlayer::hasVideoChanged, this, [this](bool hasVideo) {
        if (hasVideo)
            say(EngineEvent::Kind::VideoFound);
    });
    connect(player_, &QMediaPlayer::durationChanged, this,
            [this] { say(EngineEvent::Kind::DurationKnown); });
}

QtEngine::~QtEngine() = default;

bool QtEngine::decodesMovieVideo() {
    const auto decoders = QMediaFormat().supportedVideoCodecs(QMediaFormat::Decode);
    return decoders.contains(QMediaFormat::VideoCodec::MPEG4);
}

QWidget* QtEngine::widget() {
    return window_->widget();
}

void QtEngine::place(const VideoPlacement& placement) {
    window_->place(placement);
}

void QtEngine::setHasPicture(bool hasPicture) {
    window_->setHasPicture(hasPicture);
}

void QtEngine::say(EngineEvent::Kind kind, const QString& text) {
    emit happened({kind, text});
}

// The framework may have decided at once (a file it refuses outright): said after Made.
void QtEngine::make(const QString& file) {
    ++generation_;
    asked_ = State::Null;
    taken_ = Taken::Down;
    if (player_->playbackState() != QMediaPlayer::StoppedState)
        player_->stop();
    player_->setSource(file.isEmpty() ? QUrl() : QUrl::fromLocalFile(file));
    if (file.isEmpty())
        return;
    QTimer::singleShot(0, this, [this, which = generation_] {
        if (which != generation_)
            return;
        say(EngineEvent::Kind::Made);
        if (player_->error() != QMediaPlayer::NoError)
            frameworkError(player_->error(), player_->errorString());
        else
            statusChanged(player_->mediaStatus());
    });
}

// Null halts the picture and sound at once; the blocking stop follows from the event loop.
void QtEngine::changeState(State state) {
    if (state == State::Null && taken_ == Taken::Up) {
        player_->pause();
        taken_ = Taken::StopDue;
    }
    asked_ = state;
    takeAskedSoon();
}

void QtEngine::takeAskedSoon() {
    QTimer::singleShot(0, this, [this, which = generation_] {
        if (which == generation_)
            takeAsked();
    });
}

// At the end the framework has stopped by itself with the last picture shown: a pause there
// would start the media over.
void QtEngine::takeAsked() {
    if (taken_ == Taken::StopDue) {
        player_->stop();
        taken_ = Taken::Down;
    }
    const QMediaPlayer::MediaStatus status = player_->mediaStatus();
    if (asked_ == State::Null || !isLoaded(status))
        return;
    if (asked_ == State::Playing)
        play();
    else if (status != QMediaPlayer::EndOfMedia)
        player_->pause();
    if (taken_ == Taken::Down) {
        taken_ = Taken::Up;
        say(EngineEvent::Kind::Prerolled);
    }
}

void QtEngine::restart() {
    player_->pause();
    play();
}

// Play at the end starts the media over.
void QtEngine::play() {
    playedFrom(player_->mediaStatus() == QMediaPlayer::EndOfMedia ? 0 : player_->position());
    player_->play();
}

void QtEngine::playedFrom(qint64 ms) {
    playedFromMs_ = ms;
    playingFor_.start();
}

// A stale end comes within moments of the Play, and playback never runs ahead of its clock: the
// rest of the film takes at least its own length (a second is left for the clock's steps). Only
// within those moments: a file whose streams end before its stated length still ends.
bool QtEngine::endIsStale() const {
    constexpr qint64 momentMs = 2000;
    constexpr qint64 slackMs = 1000;
    const qint64 elapsed = playingFor_.isValid() ? playingFor_.elapsed() : momentMs;
    return asked_ == State::Playing && elapsed < momentMs &&
           elapsed + slackMs < player_->duration() - playedFromMs_;
}

void QtEngine::seek(qint64 ms) {
    playedFrom(ms);
    player_->setPosition(ms);
}

bool QtEngine::position(qint64& ms) const {
    ms = player_->position();
    return true;
}

void QtEngine::statusChanged(QMediaPlayer::MediaStatus status) {
    if (player_->source().isEmpty())
        return;
    if (status == QMediaPlayer::InvalidMedia) {
        say(EngineEvent::Kind::Error, QStringLiteral("the media is invalid"));
        return;
    }
    if (status == QMediaPlayer::EndOfMedia && endIsStale()) {
        qCInfo(logMedia) << "an end told" << playingFor_.elapsed() << "ms after Play from"
                         << playedFromMs_ << "ms: played on";
        player_->setPosition(playedFromMs_);
        player_->play();
        return;
    }
    if (status == QMediaPlayer::EndOfMedia) {
        qCInfo(logMedia) << "at the end:" << player_->position() << "ms";
        if (taken_ == Taken::Up)
            say(EngineEvent::Kind::Ended);
        return;
    }
    if (!isLoaded(status))
        return;
    if (lacksVideoDecoder(*player_))
        say(EngineEvent::Kind::DecoderMissing, QStringLiteral("the video"));
    if (taken_ == Taken::Down)
        takeAsked();
}

void QtEngine::frameworkError(QMediaPlayer::Error error, const QString& text) {
    if (player_->source().isEmpty())
        return;
    if (lacksVideoDecoder(*player_))
        say(EngineEvent::Kind::DecoderMissing, text);
    say(EngineEvent::Kind::Error, QString::number(int(error)) + QLatin1Char(' ') + text);
}

} // namespace vistrel
