#pragma once

#include "platform/media/MediaOpenError.h"
#include "platform/media/MediaPlayerControl.h"
#include "platform/media/StallWatch.h"

#include <QObject>

#include <cstdint>

namespace vistrel {

// A player's life as one state, whatever the engine beneath: how far its file has got (opening,
// loaded, at the end, its pipeline taken down by Stop) together with what the viewer last asked
// of it (stop, pause, play), and what the engine has said of the file so far, which makes the
// verdict on opening. Every transition is here; each says what the engine is to be asked.
// "Loaded" means prerolled since the pipeline last left NULL: until then, positions read as the
// start.
class PlayerLife {
    Q_GADGET
  public:
    enum class State {
        Closed,           // nothing loaded: no file, or one that failed
        Opening,          // named, no verdict yet
        OpeningPrerolled, // named and prerolled, the verdict on its way
        Loading,          // opened (the wait ran out) but not loaded yet
        Ready,            // loaded, never asked to play: paused at the start
        Starting,         // asked to play, not loaded yet
        Playing,
        PausedLoading, // asked to pause, not loaded yet
        Paused,
        Stopped, // the pipeline back to NULL
        Ended,   // loaded, paused at the end
        PausedAtEnd,
    };
    Q_ENUM(State)
    // What the pipeline is asked for.
    enum class Ask { Nothing, Pause, Play, Stop };
    Q_ENUM(Ask)
    struct Step {
        bool taken = false; // the event counts in this state
        Ask ask = Ask::Nothing;
        // Where the pipeline is to seek first; negative: nowhere.
        std::int64_t seekMs = -1;
    };

    // A new file (or none): whatever was before is forgotten.
    Step open(bool named);
    // The verdict: opened, or refused (also a failure after the open): nothing is loaded then.
    Step opened();
    Step failed();
    // The pipeline prerolled; taken only for the first preroll since it left NULL.
    Step prerolled();
    Step play();
    Step pause();
    Step stop();
    // A place asked for: now when loaded, else once the pipeline has prerolled.
    Step seek(std::int64_t ms);
    Step ended();

    // What the engine says of the file, for the verdict. A video stream that nothing decodes
    // fails the file even after a preroll: it would leave sound over a black area, or nothing.
    void videoFound() { videoFound_ = true; }
    void decoderMissing() { decoderMissing_ = true; }
    void refused() { refused_ = true; }
    // Prerolled (or the wait ran out: taken as opened), refused, or without its video decoder.
    MediaOpenError verdict() const;
    bool hasVideo() const { return videoFound_; }
    // A file taken as opened whose video turns out to have no decoder after all.
    bool failsLater() const { return decoderMissing_ && !videoFound_; }

    State state() const { return state_; }
    bool opening() const { return state_ == State::Opening || state_ == State::OpeningPrerolled; }
    bool isOpen() const { return state_ != State::Closed && !opening(); }
    // The pipeline's position counts; else it reads as the start.
    bool loaded() const;
    MediaPlayState playState() const;
    // What the stall watch is to expect.
    StallWatch::Motion motion() const;

  private:
    Step moveTo(State next, Ask ask = Ask::Nothing, std::int64_t seekMs = -1);

    State state_ = State::Closed;
    // A place asked for before the pipeline had prerolled.
    std::int64_t pendingSeekMs_ = -1;
    bool videoFound_ = false;
    bool decoderMissing_ = false;
    bool refused_ = false;
};

} // namespace vistrel
