#include "platform/media/DeferredPlayerControl.h"

#include "platform/log/Log.h"
#include "platform/media/MediaOpenError.h"

#include <QTimer>
#include <QWidget>

namespace vistrel {

DeferredPlayerControl::DeferredPlayerControl(QWidget* parent, Factory makePlayer)
    : MediaPlayerControl(parent), parent_(parent), stackingPlace_(parent),
      factory_(std::move(makePlayer)) {}

DeferredPlayerControl::~DeferredPlayerControl() = default;

MediaPlayerControl* DeferredPlayerControl::player() const {
    return player_;
}

bool DeferredPlayerControl::makePlayer() {
    if (tried_)
        return player_ != nullptr;
    tried_ = true;
    player_ = factory_ ? factory_(parent_) : nullptr;
    if (!player_) {
        qCWarning(logMedia) << "no media framework: nothing can be played";
        return false;
    }
    player_->setParent(this);
    player_->setObjectName(objectName());
    player_->place(placement_);
    if (QWidget* video = player_->widget()) {
        stackingPlace_.putInPlace(video);
        video->setAccessibleName(QStringLiteral("Video"));
    }
    connect(player_, &MediaPlayerControl::opened, this, &MediaPlayerControl::opened);
    connect(player_, &MediaPlayerControl::failed, this, &MediaPlayerControl::failed);
    connect(player_, &MediaPlayerControl::fullScreenLeft, this,
            &MediaPlayerControl::fullScreenLeft);
    connect(player_, &MediaPlayerControl::DblClick, this, &MediaPlayerControl::DblClick);
    return true;
}

QWidget* DeferredPlayerControl::widget() {
    return makePlayer() ? player_->widget() : nullptr;
}

void DeferredPlayerControl::open(const QString& path) {
    if (path.isEmpty() && !player_)
        return;
    if (makePlayer()) {
        player_->open(path);
        return;
    }
    // Told from the event loop, as a player would.
    QTimer::singleShot(0, this,
                       [this] { emit failed(Undecodable, QStringLiteral("no media framework")); });
}

QString DeferredPlayerControl::fileName() const {
    return player_ ? player_->fileName() : QString();
}

void DeferredPlayerControl::Play() {
    if (player_)
        player_->Play();
}

void DeferredPlayerControl::Pause() {
    if (player_)
        player_->Pause();
}

void DeferredPlayerControl::Stop() {
    if (player_)
        player_->Stop();
}

MediaPlayState DeferredPlayerControl::PlayState() const {
    return player_ ? player_->PlayState() : MediaPlayState::Stopped;
}

void DeferredPlayerControl::setCurrentPosition(double seconds) {
    if (player_)
        player_->setCurrentPosition(seconds);
}

double DeferredPlayerControl::CurrentPosition() const {
    return player_ ? player_->CurrentPosition() : 0.0;
}

double DeferredPlayerControl::Duration() const {
    return player_ ? player_->Duration() : 0.0;
}

// Full screen needs the video window, and so the framework.
void DeferredPlayerControl::place(const VideoPlacement& placement) {
    placement_ = placement;
    if (player_ || (placement.fullScreen && makePlayer()))
        player_->place(placement);
}

} // namespace vistrel
