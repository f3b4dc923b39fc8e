#include "media/Playback.h"

#include "platform/log/Log.h"
#include "platform/media/MediaPlayerControl.h"
#include "window/ImageArea.h"
#include "window/VideoPlacer.h"

#include <QTimer>

namespace vistrel {

Playback::Playback(MediaPlayerControl& player, VideoPlacer& video, ImageArea& picShowPictures,
                   QTimer& TimerMovie, QTimer& TimerSlideShow, MediaState media,
                   std::function<bool()> firstFramePainted)
    : player_(player), video_(video), pictures_(picShowPictures), movieTimer_(TimerMovie),
      slideTimer_(TimerSlideShow), media_(std::move(media)),
      firstFramePainted_(std::move(firstFramePainted)) {
    connect(&movieTimer_, &QTimer::timeout, this, &Playback::startOfPlayback);
    connect(&player_, &MediaPlayerControl::opened, this, &Playback::mediaOpened);
    connect(&player_, &MediaPlayerControl::failed, this, &Playback::mediaFailed);
}

void Playback::start() {
    movieTimer_.start();
    sinceStart_.start();
}

void Playback::startOfPlayback() {
    const bool opensMedia = media_.opensMedia();
    // Opening the media starts the media framework, which takes longer than painting the whole
    // window: the window comes first, then playback (the timer keeps ticking until then). A
    // slideshow alone starts at once, so the first frame may already show its first picture.
    if (opensMedia && !firstFramePainted_() && sinceStart_.isValid() &&
        sinceStart_.elapsed() < FirstFrameWaitMs)
        return;
    movieTimer_.stop();
    if (!opensMedia) {
        startSlideshow();
        return;
    }
    // The slideshow waits for the verdict too, so that everything follows in the same order as
    // the player decides.
    opening_ = true;
    player_.open(media_.MediaPath);
}

void Playback::mediaOpened() {
    if (!opening_)
        return;
    opening_ = false;
    if (media_.IsMovie)
        pictures_.hide();
    player_.Play();
    startSlideshow();
}

void Playback::mediaFailed() {
    if (!opening_) {
        failedLate();
        return;
    }
    opening_ = false;
    openFailed();
    startSlideshow();
}

void Playback::startSlideshow() {
    if (media_.SlideShowOn)
        emit slideshowStarts();
}

// Told once: both ways here clear the media, and a late failure needs it still set.
void Playback::openFailed() {
    qCInfo(logMedia).noquote() << "media not opened:" << media_.MediaPath;
    media_.IsMovie = false;
    media_.IsMusic = false;
    emit mediaNotOpened(media_.MediaPath);
}

// The same as a failed start, and the picture area comes back in place of the video.
void Playback::failedLate() {
    if (!media_.IsMovie && !media_.IsMusic)
        return;
    emit movieEnded();
    openFailed();
    pictures_.show();
}

void Playback::playClicked() {
    qCInfo(logMedia) << "btnPlay";
    if (!player_.fileName().isEmpty()) {
        pictures_.show();
        video_.show();
        player_.Play();
    }
    if (media_.SlideShowOn) {
        if (!slideTimer_.isActive())
            emit nextSlideWanted();
        // An interval of 0 is a slideshow that never steps by itself, never a busy timer.
        if (slideTimer_.interval() > 0)
            slideTimer_.start();
    }
}

void Playback::pauseClicked() {
    qCInfo(logMedia) << "btnPause";
    if (player_.PlayState() == MediaPlayState::Paused)
        player_.Play();
    else if (player_.PlayState() == MediaPlayState::Playing)
        player_.Pause();
    stopSlideTimer();
}

void Playback::stopClicked() {
    qCInfo(logMedia) << "btnStop";
    // Both reads are always made.
    const MediaPlayState first = player_.PlayState();
    const MediaPlayState second = player_.PlayState();
    if (first == MediaPlayState::Paused || second == MediaPlayState::Playing) {
        player_.Stop();
        player_.setCurrentPosition(0);
        video_.hide();
        pictures_.show();
    }
    stopSlideTimer();
}

void Playback::forwardClicked() {
    qCInfo(logMedia) << "btnForward";
    if (media_.IsMovie)
        player_.setCurrentPosition(player_.Duration());
    if (media_.SlideShowOn) {
        emit nextSlideWanted();
        stopSlideTimer();
    }
}

void Playback::backwardClicked() {
    qCInfo(logMedia) << "btnBackward";
    if (media_.IsMovie)
        player_.setCurrentPosition(0);
    if (media_.SlideShowOn) {
        emit previousSlideWanted();
        stopSlideTimer();
    }
}

void Playback::pauseOrResume() {
    const MediaPlayState state =
        player_.fileName().isEmpty() ? MediaPlayState::Stopped : player_.PlayState();
    const bool slidesStepping = media_.SlideShowOn && slideTimer_.isActive();
    const bool holding = state == MediaPlayState::Playing || slidesStepping;
    qCInfo(logMedia) << (holding ? "pause key: paused" : "pause key: resumed");
    if (holding) {
        if (state == MediaPlayState::Playing)
            player_.Pause();
        stopSlideTimer();
        return;
    }
    if (state == MediaPlayState::Paused)
        player_.Play();
    if (media_.SlideShowOn && slideTimer_.interval() > 0)
        slideTimer_.start();
}

void Playback::stopSlideTimer() {
    if (media_.SlideShowOn)
        slideTimer_.stop();
}

} // namespace vistrel
