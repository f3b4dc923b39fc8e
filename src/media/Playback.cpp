#include "media/Playback.h"

#include "platform/log/Log.h"
#include "platform/media/MediaPlayerControl.h"
#include "window/Stage.h"

namespace vistrel {

Playback::Playback(MediaPlayerControl& player, Stage& stage,
                   std::function<bool()> firstFramePainted)
    : player_(player), stage_(stage), firstFramePainted_(std::move(firstFramePainted)) {
    connect(&stage_, &Stage::startDue, this, &Playback::startOfPlayback);
    connect(&player_, &MediaPlayerControl::opened, this, &Playback::mediaOpened);
    connect(&player_, &MediaPlayerControl::failed, this, &Playback::mediaFailed);
}

void Playback::start() {
    stage_.cueStart();
    sinceStart_.start();
}

void Playback::startOfPlayback() {
    const bool opensMedia = stage_.opensMedia();
    // Opening the media starts the media framework, which takes longer than painting the whole
    // window: the window comes first, then playback (the cue keeps coming until then). A
    // slideshow alone starts at once, so the first frame may already show its first picture.
    if (opensMedia && !firstFramePainted_() && sinceStart_.isValid() &&
        sinceStart_.elapsed() < FirstFrameWaitMs)
        return;
    stage_.endStartCue();
    if (!opensMedia) {
        startSlideshow();
        return;
    }
    // The slideshow waits for the verdict too, so that everything follows in the same order as
    // the player decides.
    opening_ = true;
    player_.open(stage_.mediaFile());
}

void Playback::mediaOpened() {
    if (!opening_)
        return;
    opening_ = false;
    if (startAt_ > 0) {
        qCInfo(logMedia) << "what plays goes on at" << startAt_ << "s";
        player_.setCurrentPosition(startAt_);
        startAt_ = 0;
    }
    player_.Play();
    startSlideshow();
}

void Playback::mediaFailed(MediaOpenError error) {
    const bool atStart = opening_;
    opening_ = false;
    giveUp(error);
    if (atStart)
        startSlideshow();
}

void Playback::startSlideshow() {
    if (stage_.slides())
        emit slideshowStarts();
}

// Told once, however many failures are reported: the stage gives the media up once.
void Playback::giveUp(MediaOpenError error) {
    const QString path = stage_.mediaFile();
    if (!stage_.giveUpMedia())
        return;
    qCInfo(logMedia).noquote() << "media not opened:" << path;
    emit mediaNotOpened(path, error);
}

// The video comes to the front, over the document too: Play is a request to see it.
void Playback::playClicked() {
    qCInfo(logMedia) << "btnPlay";
    if (!player_.fileName().isEmpty()) {
        stage_.showView(Stage::View::Video);
        player_.Play();
    }
    if (stage_.slides()) {
        if (!stage_.slidesRunning())
            emit nextSlideWanted();
        stage_.runSlides();
    }
}

void Playback::pauseClicked() {
    qCInfo(logMedia) << "btnPause";
    if (player_.PlayState() == MediaPlayState::Paused)
        player_.Play();
    else if (player_.PlayState() == MediaPlayState::Playing)
        player_.Pause();
    holdSlides();
}

void Playback::stopClicked() {
    qCInfo(logMedia) << "btnStop";
    // Whatever the player's state: a film at its end is stopped too, and the logo comes back.
    if (!player_.fileName().isEmpty()) {
        player_.Stop();
        player_.setCurrentPosition(0);
        // A document in front stays there: music plays on beneath it until now.
        if (stage_.view() == Stage::View::Video)
            stage_.showView(Stage::View::Pictures);
    }
    holdSlides();
}

void Playback::forwardClicked() {
    qCInfo(logMedia) << "btnForward";
    if (stage_.movie())
        player_.setCurrentPosition(player_.Duration());
    if (stage_.slides()) {
        emit nextSlideWanted();
        holdSlides();
    }
}

void Playback::backwardClicked() {
    qCInfo(logMedia) << "btnBackward";
    if (stage_.movie())
        player_.setCurrentPosition(0);
    if (stage_.slides()) {
        emit previousSlideWanted();
        holdSlides();
    }
}

void Playback::pauseOrResume() {
    const MediaPlayState state =
        player_.fileName().isEmpty() ? MediaPlayState::Stopped : player_.PlayState();
    const bool slidesStepping = stage_.slides() && stage_.slidesRunning();
    const bool holding = state == MediaPlayState::Playing || slidesStepping;
    qCInfo(logMedia) << (holding ? "pause key: paused" : "pause key: resumed");
    if (holding) {
        if (state == MediaPlayState::Playing)
            player_.Pause();
        holdSlides();
        return;
    }
    if (state == MediaPlayState::Paused)
        player_.Play();
    if (stage_.slides())
        stage_.runSlides();
}

void Playback::holdSlides() {
    if (stage_.slides())
        stage_.holdSlides();
}

} // namespace vistrel
