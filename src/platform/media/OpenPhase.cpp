#include "platform/media/OpenPhase.h"

#include "platform/log/Log.h"

#include <QTimer>

namespace vistrel {

OpenPhase::OpenPhase(MediaPlayerControl& player, int waitMs)
    : QObject(&player), player_(player), wait_(new QTimer(this)) {
    wait_->setSingleShot(true);
    wait_->setInterval(waitMs);
    connect(wait_, &QTimer::timeout, this, [this] {
        qCInfo(logMedia).noquote()
            << "no verdict on" << file_ << "within" << wait_->interval() << "ms: taken as opened";
        emit decide();
    });
}

void OpenPhase::begin(const QString& file, Wait wait) {
    ++generation_;
    file_ = file;
    phase_ = file.isEmpty() ? Phase::Closed : Phase::Opening;
    wait_->stop();
    if (file.isEmpty()) {
        qCInfo(logMedia) << "open: nothing";
        return;
    }
    if (wait == Wait::Now)
        wait_->start();
}

void OpenPhase::startWait() {
    if (opening())
        wait_->start();
}

void OpenPhase::later(std::function<void()> action) {
    QTimer::singleShot(0, this, [this, action = std::move(action), which = generation_] {
        if (which == generation_)
            action();
    });
}

void OpenPhase::decideSoon() {
    later([this] {
        if (opening())
            emit decide();
    });
}

void OpenPhase::refuseSoon(MediaOpenError error) {
    later([this, error] {
        if (opening())
            tellFailed(error);
    });
}

void OpenPhase::tellOpened(const MediaFound& found) {
    wait_->stop();
    phase_ = Phase::Open;
    qCInfo(logMedia).noquote() << "open:" << file_ << "error:" << int(NoError)
                               << "duration:" << found.duration;
    emit player_.opened(found);
}

void OpenPhase::tellFailed(MediaOpenError error, double duration) {
    wait_->stop();
    phase_ = Phase::Failed;
    qCInfo(logMedia).noquote() << "open:" << file_ << "error:" << int(error)
                               << "duration:" << duration;
    emit player_.failed(error, QStringLiteral("not opened"));
}

void OpenPhase::failLate(const QString& why) {
    if (!isOpen())
        return;
    phase_ = Phase::Failed;
    qCInfo(logMedia).noquote() << "open failed late:" << file_ << why;
    emit player_.failed(Undecodable, why);
}

} // namespace vistrel
