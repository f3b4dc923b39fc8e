#pragma once

#include "platform/media/MediaPlayerControl.h"
#include "platform/media/ProgramApi.h"

#include <QObject>

#include <functional>

class QTimer;

namespace vistrel {

// One file's way through a player: opening, then opened or failed. The verdict reaches the
// callers from the event loop only, never from inside open() or a framework's callback, and only
// for the file still current. The wait for it is bounded: when it runs out, decide() asks for
// the verdict on what came so far.
class VISTREL_PROGRAM_API OpenPhase : public QObject {
    Q_OBJECT
  public:
    enum class Phase { Closed, Opening, Open, Failed };

    OpenPhase(MediaPlayerControl& player, int waitMs);

    // A new file, or none for an empty path: whatever was pending for the one before is dropped.
    // The wait starts at once, or at startWait() where the framework has first to come up.
    enum class Wait { Now, Later };
    void begin(const QString& file, Wait wait = Wait::Now);
    void startWait();
    // Asks for decide() from the event loop.
    void decideSoon();
    // A verdict known at once, told from the event loop.
    void refuseSoon(MediaOpenError error);
    void tellOpened(const MediaFound& found);
    void tellFailed(MediaOpenError error, double duration = 0);
    // Playing media fails after all: told once, however many reports of it come.
    void failLate(const QString& why);
    // Runs the action from the event loop, if the same file is still current then.
    void later(std::function<void()> action);

    const QString& file() const { return file_; }
    Phase phase() const { return phase_; }
    bool opening() const { return phase_ == Phase::Opening; }
    bool isOpen() const { return phase_ == Phase::Open; }
    // Opening or opened: the video's first picture may come.
    bool mayShowPicture() const { return opening() || isOpen(); }

  signals:
    void decide();

  private:
    MediaPlayerControl& player_;
    QTimer* wait_;
    QString file_;
    Phase phase_ = Phase::Closed;
    // Counts files, so that nothing pending for one given up on runs.
    unsigned generation_ = 0;
};

} // namespace vistrel
