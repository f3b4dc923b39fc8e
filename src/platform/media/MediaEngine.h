#pragma once

#include "platform/media/ProgramApi.h"
#include "platform/media/VideoPlacement.h"

#include <QObject>
#include <QString>

class QWidget;

namespace vistrel {

// What an engine says of the file it was last asked to make, from the event loop.
struct EngineEvent {
    enum class Kind {
        Made,           // the pipeline is there and takes states; the wait for a verdict starts
        NotMade,        // the framework does not start or cannot make one (the reason logged)
        Prerolled,      // the first picture or sound is ready, again after each trip through Null
        VideoFound,     // a picture stream with its decoder
        DecoderMissing, // a picture stream that nothing decodes
        Error,          // the framework gives the file up
        Ended,          // played to the end
        DurationKnown,  // duration() has (another) answer
    };
    Kind kind;
    QString text; // Error: the framework's words; DecoderMissing: the picture's type
};

// A media framework as the player (EnginePlayer) uses it: a pipeline for one file, the states
// it is asked for, seeks and readings, and the window its video shows in. The player's life, its
// verdict on opening, the wait and the watchdog are the player's; an engine keeps only what its
// framework needs to take the requests in order. Nothing here waits for the framework.
class VISTREL_PROGRAM_API MediaEngine : public QObject {
    Q_OBJECT
  public:
    enum class State { Null, Paused, Playing };

    using QObject::QObject;

    // Drops what was there; makes a pipeline for the file, or none for an empty name.
    virtual void make(const QString& file) = 0;
    // Requests that come faster than the framework takes them are merged: it goes to the last
    // state asked for, back through Null first when a Null came between.
    virtual void changeState(State state) = 0;
    // Pauses and plays again at once, for a silent stall.
    virtual void restart() = 0;
    virtual void seek(qint64 ms) = 0;
    // False while the framework cannot say.
    virtual bool position(qint64& ms) const = 0;
    // Milliseconds; 0 while unknown.
    virtual qint64 duration() const = 0;

    // The widget that shows the video; null where there is none.
    virtual QWidget* widget() = 0;
    virtual void place(const VideoPlacement& placement) = 0;
    // Whether there is a picture to show: sound alone, or nothing opened, draws nothing.
    virtual void setHasPicture(bool hasPicture) = 0;
    // The still picture shown drawn again, for a window that changed size (see resized()).
    virtual void redrawStill() {}

  signals:
    void happened(const vistrel::EngineEvent& event);
    void doubleClicked();
    // The video left full screen by itself (Esc, the window manager).
    void fullScreenLeft();
    // The video's window has another size: a still picture may want drawing again.
    void resized();
};

} // namespace vistrel
