#pragma once

#include "platform/media/ProgramApi.h"
#include "platform/media/StallWatch.h"

#include <QObject>

#include <functional>

class QTimer;

namespace vistrel {

// Asks once a second what the framework is doing and where, and says when a silent stall wants
// a restart and when the media is given up (the policy is StallWatch's).
class VISTREL_PROGRAM_API PlaybackWatchdog : public QObject {
    Q_OBJECT
  public:
    // Whether the media should be moving now, and where it is.
    using Reading = std::function<StallWatch::Motion(qint64& positionMs)>;

    PlaybackWatchdog(QObject* parent, Reading read);

    // A new start: what was seen before is forgotten.
    void start();
    void stop();

  signals:
    void restartWanted();
    void givenUp();

  private:
    void tick();

    Reading read_;
    QTimer* timer_;
    StallWatch stallWatch_;
};

} // namespace vistrel
