#include "media/Playback.h"

#include "app/Core.h"
#include "platform/Log.h"
#include "platform/MediaPlayerControl.h"

#include <QTimer>

namespace vistrel {

Playback::Playback(Core& core) : core_(core) {}

void Playback::connectTo(MainDialog& dialog) {
    connect(dialog.TimerMovie, &QTimer::timeout, this, &Playback::startOfPlayback);
    connect(dialog.btnPlay, &ImageArea::clicked, this, &Playback::playClicked);
    connect(dialog.btnPause, &ImageArea::clicked, this, &Playback::pauseClicked);
    connect(dialog.btnStop, &ImageArea::clicked, this, &Playback::stopClicked);
    connect(dialog.btnForward, &ImageArea::clicked, this, &Playback::forwardClicked);
    connect(dialog.btnBackward, &ImageArea::clicked, this, &Playback::backwardClicked);
    connect(dialog.MediaPlayer, &MediaPlayerControl::failedLate, this, &Playback::failedLate);
    // Starts playback once, as soon as the message loop runs after the window is shown and its
    // first frame is painted.
    dialog.TimerMovie->start();
    sinceStart_.start();
}

void Playback::startOfPlayback() {
    MainDialog& w = core_.dialog();
    AppState& s = core_.state;
    const bool opensMedia = !s.MediaPath.isEmpty() && (s.IsMovie || s.IsMusic);
    // Opening the media starts the media framework, which takes longer than painting the whole
    // window: the window comes first, then playback (the timer keeps ticking until then). A
    // slideshow alone starts at once, so the first frame may already show its first picture.
    if (opensMedia && !w.hasPaintedFirstFrame() && sinceStart_.isValid() &&
        sinceStart_.elapsed() < FirstFrameWaitMs)
        return;
    w.TimerMovie->stop();
    if (opensMedia) {
        w.MediaPlayer->setFileName(s.MediaPath);
        if (w.MediaPlayer->errorIndicator() != 0) {
            openFailed();
        } else {
            if (s.IsMovie)
                w.picShowPictures->hide();
            w.MediaPlayer->Play();
        }
    }
    if (s.SlideShowOn)
        core_.slideshow.StartSlideShow();
}

// Silent by design: the missing-file message belongs to start-up.
void Playback::openFailed() {
    qCInfo(logMedia).noquote() << "media not opened:" << core_.state.MediaPath;
    core_.state.IsMovie = false;
    core_.state.IsMusic = false;
}

// The framework refused the media after the start accepted it: the same as a failed start,
// and the picture area comes back in place of the video.
void Playback::failedLate() {
    if (!core_.state.IsMovie && !core_.state.IsMusic)
        return;
    core_.displayModes.movieEnded();
    openFailed();
    core_.dialog().picShowPictures->show();
}

void Playback::playClicked() {
    MainDialog& w = core_.dialog();
    qCInfo(logMedia) << "btnPlay";
    if (!w.MediaPlayer->fileName().isEmpty()) {
        w.picShowPictures->show();
        w.MediaPlayer->setWidth(MainDialog::VideoArea.width());
        w.MediaPlayer->setHeight(MainDialog::VideoArea.height());
        w.MediaPlayer->setVisible(true);
        w.MediaPlayer->Play();
    }
    if (core_.state.SlideShowOn) {
        if (!w.TimerSlideShow->isActive())
            core_.slideshow.AdvanceSlide();
        // An interval of 0 is a slideshow that never steps by itself, never a busy timer.
        if (w.TimerSlideShow->interval() > 0)
            w.TimerSlideShow->start();
    }
}

void Playback::pauseClicked() {
    MediaPlayerControl& player = *core_.dialog().MediaPlayer;
    qCInfo(logMedia) << "btnPause";
    if (player.PlayState() == MediaPlayerControl::Paused)
        player.Play();
    else if (player.PlayState() == MediaPlayerControl::Playing)
        player.Pause();
    stopSlideTimer();
}

void Playback::stopClicked() {
    MainDialog& w = core_.dialog();
    MediaPlayerControl& player = *w.MediaPlayer;
    qCInfo(logMedia) << "btnStop";
    // Both reads are always made.
    const int first = player.PlayState();
    const int second = player.PlayState();
    if (first == MediaPlayerControl::Paused || second == MediaPlayerControl::Playing) {
        player.Stop();
        player.setCurrentPosition(0);
        player.setVisible(false);
        player.setWidth(0);
        player.setHeight(0);
        w.picShowPictures->show();
    }
    stopSlideTimer();
}

void Playback::forwardClicked() {
    MediaPlayerControl& player = *core_.dialog().MediaPlayer;
    qCInfo(logMedia) << "btnForward";
    if (core_.state.IsMovie)
        player.setCurrentPosition(player.Duration());
    if (core_.state.SlideShowOn) {
        core_.slideshow.AdvanceSlide();
        stopSlideTimer();
    }
}

void Playback::backwardClicked() {
    qCInfo(logMedia) << "btnBackward";
    if (core_.state.IsMovie)
        core_.dialog().MediaPlayer->setCurrentPosition(0);
    if (core_.state.SlideShowOn) {
        core_.slideshow.stepBack();
        stopSlideTimer();
    }
}

void Playback::stopSlideTimer() {
    if (core_.state.SlideShowOn)
        core_.dialog().TimerSlideShow->stop();
}

} // namespace vistrel
