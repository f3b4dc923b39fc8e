#include "platform/media/DeferredPlayerControl.h"

#include "platform/log/Log.h"
#include "platform/media/MediaOpenError.h"

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
    player_->setGeometry(geometry_);
    player_->setVisible(visible_);
    player_->setEnabled(enabled_);
    if (QWidget* video = player_->widget()) {
        stackingPlace_.putInPlace(video);
        video->setAccessibleName(QStringLiteral("Video"));
    }
    connect(player_, &MediaPlayerControl::DblClick, this, &MediaPlayerControl::DblClick);
    connect(player_, &MediaPlayerControl::failedLate, this, &MediaPlayerControl::failedLate);
    return true;
}

QWidget* DeferredPlayerControl::widget() {
    return makePlayer() ? player_->widget() : nullptr;
}

void DeferredPlayerControl::setFileName(const QString& path) {
    fileName_ = path;
    error_ = NoError;
    if (path.isEmpty() && !player_)
        return;
    if (makePlayer())
        player_->setFileName(path);
    else
        error_ = Undecodable;
}

QString DeferredPlayerControl::fileName() const {
    return player_ ? player_->fileName() : fileName_;
}

int DeferredPlayerControl::errorIndicator() const {
    return player_ ? player_->errorIndicator() : error_;
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

MediaDisplaySize DeferredPlayerControl::DisplaySize() const {
    return player_ ? player_->DisplaySize() : MediaDisplaySize::FitToSize;
}

void DeferredPlayerControl::setDisplaySize(MediaDisplaySize size) {
    if (player_ || (size == MediaDisplaySize::FullScreen && makePlayer()))
        player_->setDisplaySize(size);
}

void DeferredPlayerControl::setGeometry(const QRect& geometry) {
    geometry_ = geometry;
    if (player_)
        player_->setGeometry(geometry);
}

QRect DeferredPlayerControl::geometry() const {
    if (player_)
        return player_->geometry();
    return {geometry_.topLeft(), geometry_.size().expandedTo({0, 0})};
}

void DeferredPlayerControl::setVisible(bool visible) {
    visible_ = visible;
    if (player_)
        player_->setVisible(visible);
}

bool DeferredPlayerControl::Visible() const {
    return player_ ? player_->Visible() : visible_;
}

void DeferredPlayerControl::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (player_)
        player_->setEnabled(enabled);
}

} // namespace vistrel
