#include "platform/media/EnginePlayer.h"

#include "platform/disc/FilePaths.h"
#include "platform/log/Log.h"
#include "platform/media/PlaybackWatchdog.h"

#include <QFileInfo>
#include <QTimer>
#include <QWidget>

#include <cmath>

namespace vistrel {

EnginePlayer::EnginePlayer(QWidget* parent, MediaEngine* engine, int waitMs)
    : MediaPlayerControl(parent), engine_(engine), wait_(new QTimer(this)),
      watchdog_(new PlaybackWatchdog(this, [this](qint64& ms) { return motion(ms); })) {
    engine_->setParent(this);
    wait_->setSingleShot(true);
    wait_->setInterval(waitMs);
    connect(wait_, &QTimer::timeout, this, [this] {
        qCInfo(logMedia).noquote()
            << "no verdict on" << file_ << "within" << wait_->interval() << "ms: taken as opened";
        decide();
    });
    connect(engine_, &MediaEngine::happened, this, &EnginePlayer::engineEvent);
    connect(engine_, &MediaEngine::doubleClicked, this, &MediaPlayerControl::DblClick);
    connect(engine_, &MediaEngine::fullScreenLeft, this, &MediaPlayerControl::fullScreenLeft);
    connect(engine_, &MediaEngine::resized, this, &EnginePlayer::redrawIfStill);
    connect(watchdog_, &PlaybackWatchdog::restartWanted, engine_, &MediaEngine::restart);
    connect(watchdog_, &PlaybackWatchdog::givenUp, this,
            [this] { failLate(Undecodable, QStringLiteral("playback stalled")); });
}

QWidget* EnginePlayer::widget() {
    return engine_->widget();
}

void EnginePlayer::place(const VideoPlacement& placement) {
    engine_->place(placement);
}

void EnginePlayer::open(const QString& path) {
    ++generation_;
    wait_->stop();
    watchdog_->stop();
    durationMs_ = 0;
    file_ = path;
    const PlayerLife::Step opening = life_.open(!path.isEmpty());
    showPicture();
    const QString resolved = path.isEmpty() ? QString() : resolvePath(path);
    const MediaOpenError error = path.isEmpty() ? NoError : checkMediaFile(resolved);
    engine_->make(path.isEmpty() || error != NoError ? QString()
                                                     : QFileInfo(resolved).absoluteFilePath());
    if (path.isEmpty()) {
        qCInfo(logMedia) << "open: nothing";
        return;
    }
    if (error != NoError) {
        refuseSoon(error);
        return;
    }
    follow(opening);
}

QString EnginePlayer::fileName() const {
    return life_.isOpen() ? file_ : QString();
}

void EnginePlayer::later(std::function<void()> action) {
    QTimer::singleShot(0, this, [this, action = std::move(action), which = generation_] {
        if (which == generation_)
            action();
    });
}

void EnginePlayer::decideSoon() {
    later([this] {
        if (life_.opening())
            decide();
    });
}

void EnginePlayer::refuseSoon(MediaOpenError error) {
    later([this, error] {
        if (life_.opening())
            tellFailed(error);
    });
}

// The first preroll or refusal, or the end of the wait. The life moves first: the callers hear
// the verdict at once and may play.
void EnginePlayer::decide() {
    const MediaOpenError error = life_.verdict();
    if (error != NoError) {
        tellFailed(error);
        return;
    }
    wait_->stop();
    life_.opened();
    qCInfo(logMedia).noquote() << "open:" << file_ << "error:" << int(NoError)
                               << "duration:" << Duration();
    showPicture();
    emit opened({Duration(), life_.hasVideo()});
}

void EnginePlayer::tellFailed(MediaOpenError error) {
    wait_->stop();
    life_.failed();
    engine_->make({});
    qCInfo(logMedia).noquote() << "open:" << file_ << "error:" << int(error)
                               << "duration:" << Duration();
    showPicture();
    emit failed(error, QStringLiteral("not opened"));
}

// Playing media fails after all.
void EnginePlayer::failLate(MediaOpenError error, const QString& why) {
    if (!life_.isOpen())
        return;
    life_.failed();
    watchdog_->stop();
    qCInfo(logMedia).noquote() << "open failed late:" << file_ << why;
    showPicture();
    // Reported from inside the engine's own event, which must outlive its call.
    later([this] { engine_->make({}); });
    emit failed(error, why);
}

void EnginePlayer::engineEvent(const EngineEvent& event) {
    using Kind = EngineEvent::Kind;
    switch (event.kind) {
    case Kind::Made:
        if (life_.opening())
            wait_->start();
        return;
    case Kind::NotMade:
    case Kind::Error:
        qCInfo(logMedia).noquote() << "player error:" << event.text;
        life_.refused();
        if (life_.opening())
            decideSoon();
        else
            failLate(life_.verdict(), event.text);
        return;
    case Kind::Prerolled:
        prerolled();
        return;
    case Kind::VideoFound:
        life_.videoFound();
        showPicture();
        return;
    case Kind::DecoderMissing:
        qCInfo(logMedia).noquote() << "no decoder for" << event.text;
        life_.decoderMissing();
        return;
    case Kind::Ended:
        reachedEnd();
        return;
    case Kind::DurationKnown:
        learnDuration();
        return;
    }
}

void EnginePlayer::prerolled() {
    const bool opening = life_.opening();
    const PlayerLife::Step step = life_.prerolled();
    if (!step.taken)
        return;
    learnDuration();
    if (opening) {
        decideSoon();
        return;
    }
    if (life_.failsLater()) {
        failLate(NoVideoDecoder, QStringLiteral("no decoder for the video"));
        return;
    }
    follow(step);
    showPicture();
}

// The picture stays; Play starts over.
void EnginePlayer::reachedEnd() {
    const PlayerLife::Step step = life_.ended();
    if (!step.taken)
        return;
    qCInfo(logMedia) << "at the end";
    watchdog_->stop();
    follow(step);
}

void EnginePlayer::follow(const PlayerLife::Step& step) {
    if (step.seekMs >= 0)
        engine_->seek(step.seekMs);
    using Ask = PlayerLife::Ask;
    using State = MediaEngine::State;
    if (step.ask != Ask::Nothing)
        engine_->changeState(step.ask == Ask::Play    ? State::Playing
                             : step.ask == Ask::Pause ? State::Paused
                                                      : State::Null);
}

void EnginePlayer::Play() {
    const PlayerLife::Step step = life_.play();
    if (!step.taken) {
        qCInfo(logMedia) << "play: nothing loaded";
        return;
    }
    qCInfo(logMedia) << "play";
    follow(step);
    watchdog_->start();
}

void EnginePlayer::Pause() {
    qCInfo(logMedia) << "pause";
    const PlayerLife::Step step = life_.pause();
    if (!step.taken)
        return;
    watchdog_->stop();
    follow(step);
}

// The picture and sound halt when the engine gets there; nothing here waits for the teardown.
void EnginePlayer::Stop() {
    qCInfo(logMedia) << "stop";
    const PlayerLife::Step step = life_.stop();
    if (!step.taken)
        return;
    watchdog_->stop();
    follow(step);
}

MediaPlayState EnginePlayer::PlayState() const {
    return life_.playState();
}

void EnginePlayer::setCurrentPosition(double seconds) {
    if (!life_.isOpen() || !std::isfinite(seconds))
        return;
    qint64 ms = std::llround(std::max(0.0, seconds) * 1000.0);
    if (durationMs_ > 0)
        ms = std::min(ms, durationMs_);
    qCInfo(logMedia) << "position:" << ms << "ms";
    follow(life_.seek(ms));
}

// Until the pipeline has prerolled again after Stop it is at the start, whatever the engine
// still says: a Play right after Stop can reach the framework before the trip through Null does.
// Never past the end.
double EnginePlayer::CurrentPosition() const {
    qint64 ms = 0;
    if (!life_.loaded() || !engine_->position(ms))
        return 0.0;
    if (durationMs_ > 0)
        ms = std::min(ms, durationMs_);
    return std::max<qint64>(ms, 0) / 1000.0;
}

// A framework that cannot say for a moment keeps what it said before.
void EnginePlayer::learnDuration() {
    if (const qint64 ms = engine_->duration(); ms > 0)
        durationMs_ = ms;
}

double EnginePlayer::Duration() const {
    return durationMs_ / 1000.0;
}

StallWatch::Motion EnginePlayer::motion(qint64& positionMs) {
    if (!life_.loaded() || !engine_->position(positionMs))
        positionMs = 0;
    if (life_.playState() == MediaPlayState::Playing && durationMs_ > 0 &&
        positionMs > durationMs_ + PastTheEndMs) {
        qCInfo(logMedia) << "played on past the end, at" << positionMs << "ms: taken as the end";
        later([this] { reachedEnd(); });
    }
    return life_.motion();
}

// A sink that does not scale keeps a paused or ended picture at the size it was decoded for
// until the next frame.
void EnginePlayer::redrawIfStill() {
    if (life_.loaded() && life_.hasVideo() && life_.playState() != MediaPlayState::Playing) {
        qCInfo(logMedia) << "still picture drawn again";
        engine_->redrawStill();
    }
}

void EnginePlayer::showPicture() {
    engine_->setHasPicture((life_.opening() || life_.isOpen()) && life_.hasVideo());
}

} // namespace vistrel
