#include "platform/media/PlayerLife.h"

namespace vistrel {

using State = PlayerLife::State;
using Ask = PlayerLife::Ask;

PlayerLife::Step PlayerLife::moveTo(State next, Ask ask, std::int64_t seekMs) {
    state_ = next;
    return {true, ask, seekMs};
}

PlayerLife::Step PlayerLife::open(bool named) {
    pendingSeekMs_ = -1;
    videoFound_ = decoderMissing_ = refused_ = false;
    return named ? moveTo(State::Opening, Ask::Pause) : moveTo(State::Closed);
}

PlayerLife::Step PlayerLife::opened() {
    if (state_ == State::Opening)
        return moveTo(State::Loading);
    if (state_ == State::OpeningPrerolled)
        return moveTo(State::Ready);
    return {};
}

PlayerLife::Step PlayerLife::failed() {
    if (state_ == State::Closed)
        return {};
    pendingSeekMs_ = -1;
    return moveTo(State::Closed);
}

// Later prerolls follow seeks; one that comes while the pipeline goes down is from before Stop.
PlayerLife::Step PlayerLife::prerolled() {
    const std::int64_t pending = pendingSeekMs_;
    switch (state_) {
    case State::Opening:
        return moveTo(State::OpeningPrerolled);
    case State::Loading:
        pendingSeekMs_ = -1;
        return moveTo(State::Ready, Ask::Nothing, pending);
    case State::Starting:
        pendingSeekMs_ = -1;
        return moveTo(State::Playing, Ask::Nothing, pending);
    case State::PausedLoading:
        pendingSeekMs_ = -1;
        return moveTo(State::Paused, Ask::Nothing, pending);
    default:
        return {};
    }
}

// From the end, playing starts over; GStreamer takes PLAYING before a preroll and starts once
// it is done.
PlayerLife::Step PlayerLife::play() {
    if (!isOpen())
        return {};
    if (state_ == State::Ended || state_ == State::PausedAtEnd)
        return moveTo(State::Playing, Ask::Play, 0);
    return moveTo(loaded() ? State::Playing : State::Starting, Ask::Play);
}

PlayerLife::Step PlayerLife::pause() {
    if (!isOpen() || state_ == State::Stopped)
        return {};
    if (state_ == State::Ended || state_ == State::PausedAtEnd)
        return moveTo(State::PausedAtEnd, Ask::Pause);
    return moveTo(loaded() ? State::Paused : State::PausedLoading, Ask::Pause);
}

// Only what was asked to play or pause stops: stopped, loading or at the end, nothing changes.
PlayerLife::Step PlayerLife::stop() {
    switch (state_) {
    case State::Starting:
    case State::Playing:
    case State::PausedLoading:
    case State::Paused:
    case State::PausedAtEnd:
        pendingSeekMs_ = -1;
        return moveTo(State::Stopped, Ask::Stop);
    default:
        return {};
    }
}

PlayerLife::Step PlayerLife::seek(std::int64_t ms) {
    if (!isOpen())
        return {};
    if (!loaded()) {
        // Stopped, the pipeline starts at the beginning anyway.
        pendingSeekMs_ = ms > 0 ? ms : -1;
        return {};
    }
    if (state_ == State::Ended)
        return moveTo(State::Ready, Ask::Nothing, ms);
    if (state_ == State::PausedAtEnd)
        return moveTo(State::Paused, Ask::Nothing, ms);
    return moveTo(state_, Ask::Nothing, ms);
}

// At the end the picture stays and the pipeline pauses there.
PlayerLife::Step PlayerLife::ended() {
    if (!isOpen() || state_ == State::Stopped)
        return {};
    return moveTo(State::Ended, Ask::Pause);
}

// A framework may refuse a file for want of its video decoder, though it saw the picture stream.
MediaOpenError PlayerLife::verdict() const {
    if (failsLater() || (decoderMissing_ && refused_))
        return NoVideoDecoder;
    if (refused_)
        return Undecodable;
    return NoError;
}

bool PlayerLife::loaded() const {
    switch (state_) {
    case State::OpeningPrerolled:
    case State::Ready:
    case State::Playing:
    case State::Paused:
    case State::Ended:
    case State::PausedAtEnd:
        return true;
    default:
        return false;
    }
}

MediaPlayState PlayerLife::playState() const {
    switch (state_) {
    case State::Starting:
    case State::Playing:
        return MediaPlayState::Playing;
    case State::PausedLoading:
    case State::Paused:
    case State::PausedAtEnd:
        return MediaPlayState::Paused;
    default:
        return MediaPlayState::Stopped;
    }
}

// A pipeline that is prerolling (again, after Stop: from NULL) is starting, however long that
// takes on a busy machine: restarting it then would only start the preroll over.
StallWatch::Motion PlayerLife::motion() const {
    if (state_ == State::Playing)
        return StallWatch::Motion::Playing;
    if (state_ == State::Starting)
        return StallWatch::Motion::Starting;
    return StallWatch::Motion::Still;
}

} // namespace vistrel
