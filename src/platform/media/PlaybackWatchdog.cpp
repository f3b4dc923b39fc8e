#include "platform/media/PlaybackWatchdog.h"

#include "platform/log/Log.h"

#include <QTimer>

namespace vistrel {

PlaybackWatchdog::PlaybackWatchdog(QObject* parent, Reading read)
    : QObject(parent), read_(std::move(read)), timer_(new QTimer(this)) {
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &PlaybackWatchdog::tick);
}

void PlaybackWatchdog::start() {
    stallWatch_.reset();
    timer_->start();
}

void PlaybackWatchdog::stop() {
    timer_->stop();
}

void PlaybackWatchdog::tick() {
    qint64 position = 0;
    const StallWatch::Motion motion = read_(position);
    // Where playback is, once a second: the tests see from it that music plays.
    if (motion == StallWatch::Motion::Playing)
        qCDebug(logMedia) << "playing at" << position << "ms";
    switch (stallWatch_.tick(motion, position)) {
    case StallWatch::Action::None:
        return;
    case StallWatch::Action::Restart:
        qCInfo(logMedia) << "playback stalled at" << position << "ms: restarting";
        emit restartWanted();
        return;
    case StallWatch::Action::GiveUp:
        if (motion == StallWatch::Motion::Starting)
            qCInfo(logMedia) << "playback did not start within" << StallWatch::StartSeconds
                             << "s: giving up";
        timer_->stop();
        emit givenUp();
        return;
    }
}

} // namespace vistrel
