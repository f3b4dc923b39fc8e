#include "window/Stage.h"

#include "platform/documents/DocumentView.h"
#include "window/ImageArea.h"
#include "window/VideoPlacer.h"

#include <limits>

namespace vistrel {

Stage::Stage(VideoPlacer& video, ImageArea& pictures, DocumentView& document, QObject* parent)
    : QObject(parent), video_(video), pictures_(pictures), document_(document) {
    movieTimer_.setInterval(1);
    connect(&movieTimer_, &QTimer::timeout, this, &Stage::startDue);
    connect(&slideTimer_, &QTimer::timeout, this, &Stage::slideDue);
    showView(view_);
}

Stage::Show Stage::showOf(bool movie, bool music, bool slides) {
    if (movie)
        return Show::Movie;
    if (music)
        return slides ? Show::MusicAndSlides : Show::Music;
    return slides ? Show::Slides : Show::Nothing;
}

// A movie's video is in front from the start: its window must be there for the first picture.
void Stage::setShow(Show show, const QString& mediaFile) {
    show_ = show;
    mediaFile_ = opensMedia() ? mediaFile : QString();
    showView(movie() ? View::Video : View::Pictures);
}

bool Stage::opensMedia() const {
    return show_ == Show::Movie || show_ == Show::Music || show_ == Show::MusicAndSlides;
}

bool Stage::giveUpMedia() {
    if (!opensMedia())
        return false;
    show_ = slides() ? Show::Slides : Show::Nothing;
    mediaFile_.clear();
    if (video_.fullScreen())
        video_.leaveFullScreen();
    if (view_ == View::Video)
        showView(View::Pictures);
    return true;
}

void Stage::showView(View view) {
    view_ = view;
    document_.setVisible(view == View::Document);
    if (view == View::Video)
        video_.show();
    else
        video_.hide();
    pictures_.setVisible(view == View::Pictures || view == View::Video);
}

void Stage::showMedia() {
    showView(View::Pictures);
}

void Stage::showDocument(const QString& path) {
    document_.Navigate(path);
    showView(View::Document);
}

// A timer of 0 would fire on every turn of the event loop; slides that step by hand only keep a
// timer that never fires, so that "running" still means what it says to the buttons.
void Stage::setSlideInterval(int ms) {
    slidesSetUp_ = true;
    slideInterval_ = ms;
    slideTimer_.setInterval(ms == 0 ? std::numeric_limits<int>::max() : ms);
}

void Stage::runSlides() {
    if (slidesSetUp_)
        slideTimer_.start();
}

void Stage::holdSlides() {
    slideTimer_.stop();
}

void Stage::cueStart() {
    movieTimer_.start();
}

void Stage::endStartCue() {
    movieTimer_.stop();
}

} // namespace vistrel
