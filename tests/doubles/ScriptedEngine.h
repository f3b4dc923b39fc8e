#pragma once

#include "doubles/PlayerOpening.h"
#include "platform/media/EnginePlayer.h"
#include "platform/media/MediaEngine.h"

#include <QElapsedTimer>
#include <QHash>
#include <QStringList>

class QTimer;

namespace vistrel::test {

// An engine that behaves as a sound framework would, on a clock of its own: it prerolls each time
// it leaves Null, plays on in real time to the end of a film of the given length and says so, and
// tells everything from the event loop. What it says of a file is scripted by the file's name.
class ScriptedEngine : public MediaEngine {
    Q_OBJECT
  public:
    // RefusesForWantOfADecoder: sees the picture stream, then gives the file up for its decoder.
    enum class Answer { Prerolls, Refuses, LacksVideoDecoder, RefusesForWantOfADecoder, Silent };
    Q_ENUM(Answer)

    explicit ScriptedEngine(QWidget* parent);

    void make(const QString& file) override;
    void changeState(State state) override;
    void restart() override { requests.append("Restart"); }
    void seek(qint64 ms) override;
    bool position(qint64& ms) const override;
    qint64 duration() const override { return durationKnown_ ? durationMs : 0; }
    QWidget* widget() override { return area_; }
    void place(const VideoPlacement& placement) override;
    void setHasPicture(bool hasPicture) override { hasPicture_ = hasPicture; }

    // The framework gives the playing file up, as often as asked.
    void failNow(int reports);
    // The viewer presses Esc: full screen ends by itself.
    void pressEscapeInFullScreen();

    QHash<QString, Answer> answers; // by file name; Prerolls for any other
    qint64 durationMs = 12000;
    bool video = true;
    // False: the clock counts on past the length and the end is never told, as a framework
    // under load has been seen to do.
    bool tellsTheEnd = true;
    // What the engine was asked, in order: "Make=movie.avi", "Paused", "Seek=1500", ...
    QStringList requests;
    VideoPlacement placement;

  private:
    void say(EngineEvent::Kind kind, const QString& text = {});
    void sayLater(EngineEvent::Kind kind, const QString& text = {});
    void leftNull();
    void runClock();

    QWidget* area_;
    QTimer* end_;
    QString file_;
    State state_ = State::Null;
    qint64 startMs_ = 0; // the position when the clock last started or stood
    QElapsedTimer clock_;
    bool durationKnown_ = false;
    bool hasPicture_ = false;
    unsigned generation_ = 0;
};

// The program's player over a scripted engine, as the feature tests play.
EnginePlayer* makeScriptedPlayer(QWidget* parent, ScriptedEngine** engine = nullptr);

} // namespace vistrel::test
