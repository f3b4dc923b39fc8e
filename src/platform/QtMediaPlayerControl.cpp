#include "platform/QtMediaPlayerControl.h"

#include "platform/FilePaths.h"
#include "platform/Log.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoWidget>

namespace vistrel {

QtMediaPlayerControl::QtMediaPlayerControl(QWidget* parent)
    : MediaPlayerControl(parent), player_(new QMediaPlayer(this)), audio_(new QAudioOutput(this)),
      video_(new QVideoWidget(parent)) {
    player_->setAudioOutput(audio_);
    player_->setVideoOutput(video_);
}

QtMediaPlayerControl::~QtMediaPlayerControl() = default;

QWidget* QtMediaPlayerControl::widget() { return video_; }

void QtMediaPlayerControl::setFileName(const QString& path) {
    fileName_ = path;
    const QFileInfo info(resolvePath(path));
    error_ = (info.isFile() && info.isReadable() && info.size() > 0) ? 0 : 1;
    player_->setSource(error_ ? QUrl() : QUrl::fromLocalFile(info.absoluteFilePath()));
    qCInfo(logMedia).noquote() << "open:" << path << "error:" << error_;
}

QString QtMediaPlayerControl::fileName() const { return fileName_; }
int QtMediaPlayerControl::errorIndicator() const { return error_; }

void QtMediaPlayerControl::Play() {
    qCInfo(logMedia) << "play";
    player_->play();
}

void QtMediaPlayerControl::Pause() {
    qCInfo(logMedia) << "pause";
    player_->pause();
}

void QtMediaPlayerControl::Stop() {
    qCInfo(logMedia) << "stop";
    player_->stop();
}

int QtMediaPlayerControl::PlayState() const {
    switch (player_->playbackState()) {
    case QMediaPlayer::PausedState:
        return Paused;
    case QMediaPlayer::PlayingState:
        return Playing;
    default:
        return 0;
    }
}

void QtMediaPlayerControl::setCurrentPosition(double seconds) {
    player_->setPosition(qint64(seconds * 1000.0));
}

double QtMediaPlayerControl::CurrentPosition() const { return player_->position() / 1000.0; }
double QtMediaPlayerControl::Duration() const { return player_->duration() / 1000.0; }

int QtMediaPlayerControl::DisplaySize() const {
    return video_->isFullScreen() ? FullScreen : FitToSize;
}

void QtMediaPlayerControl::setDisplaySize(int size) { video_->setFullScreen(size == FullScreen); }

void QtMediaPlayerControl::setLeft(int left) { video_->move(left, video_->y()); }
void QtMediaPlayerControl::setTop(int top) { video_->move(video_->x(), top); }
void QtMediaPlayerControl::setWidth(int width) { video_->resize(width, video_->height()); }
void QtMediaPlayerControl::setHeight(int height) { video_->resize(video_->width(), height); }
int QtMediaPlayerControl::Left() const { return video_->x(); }
int QtMediaPlayerControl::Top() const { return video_->y(); }
int QtMediaPlayerControl::Width() const { return video_->width(); }
int QtMediaPlayerControl::Height() const { return video_->height(); }
void QtMediaPlayerControl::setVisible(bool visible) { video_->setVisible(visible); }
bool QtMediaPlayerControl::Visible() const { return video_->isVisibleTo(video_->parentWidget()); }
void QtMediaPlayerControl::setEnabled(bool enabled) { video_->setEnabled(enabled); }

} // namespace vistrel
