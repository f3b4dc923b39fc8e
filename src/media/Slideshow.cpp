#include "media/Slideshow.h"

#include "media/SlideInterval.h"
#include "platform/log/Log.h"
#include "window/ImageArea.h"
#include "window/Messages.h"
#include "window/Stage.h"
#include "window/WindowAreas.h"

#include <QEvent>

namespace vistrel {

Slideshow::Slideshow(ImageArea& picShowPictures, Stage& stage, DiscFolder disc,
                     SlideshowSettings settings, const Messages& messages)
    : area_(picShowPictures), stage_(stage), disc_(std::move(disc)), settings_(std::move(settings)),
      messages_(messages) {
    connect(&pictures_, &SlidePictureCache::decoded, this, &Slideshow::pictureDecoded);
    connect(&stage_, &Stage::slideDue, this, &Slideshow::tick);
    area_.installEventFilter(this);
}

Slideshow::~Slideshow() = default;

void Slideshow::StartSlideShow() {
    const QStringList& configured = settings_.pictures;
    if (configured.isEmpty())
        return;

    // Found pictures fill the slots in key order; the slots of missing ones stay empty at the end.
    QStringList slotFiles;
    for (const QString& picture : configured) {
        const QString found = disc_.findEntry(picture);
        if (!found.isEmpty())
            slotFiles.append(found);
    }
    const qsizetype missing = configured.size() - slotFiles.size();
    for (qsizetype i = 0; i < missing; ++i)
        slotFiles.append(QString());
    pictures_.reset(slotFiles);
    if (missing > 0)
        messages_.showError("errSlideshow");

    const int interval = slideInterval(settings_.interval.toStdString());
    pictures_.setAreaSize(pictureAreaSize());
    show(0);
    stage_.setSlideInterval(interval);
    stage_.runSlides();
    qCInfo(logMedia) << "slideshow started:" << slotFiles.size() << "slots," << missing
                     << "missing, interval" << interval << "ms";
}

void Slideshow::AdvanceSlide() {
    if (slotCount() == 0)
        return;
    slideIndex_ = nextSlot();
    show(slideIndex_);
}

int Slideshow::nextSlot() const {
    const int upper = slotCount() - 1;
    return slideIndex_ < upper ? slideIndex_ + 1 : 0;
}

void Slideshow::stepBack() {
    const int upper = slotCount() - 1;
    if (upper < 0)
        return;
    // An index beyond the slots (a second start with fewer pictures) steps back to the last.
    slideIndex_ = (slideIndex_ <= 0 || slideIndex_ > upper) ? upper : slideIndex_ - 1;
    show(slideIndex_);
    stage_.holdSlides();
}

QSize Slideshow::pictureAreaSize() const {
    const ImageArea& area = area_;
    const QSize size = area.size().isEmpty() ? VideoArea.size() : area.size();
    return size * area.devicePixelRatioF();
}

void Slideshow::show(int slot) {
    area_.setPicture(pictures_.picture(slot));
    shownSlot_ = slot;
    pictures_.prepareAround(slot);
    qCInfo(logMedia).noquote() << "slide shown:" << slot
                               << (slotFile(slot).isEmpty() ? "(empty)" : slotFile(slot));
}

void Slideshow::tick() {
    // Slides running before any picture was set up have nothing to step: let them rest.
    if (slotCount() == 0) {
        stage_.holdSlides();
        return;
    }
    // Waiting for the decode would hold the window; the next tick tries again.
    if (pictures_.isDecoding(nextSlot())) {
        qCDebug(logMedia) << "slide step skipped: slot" << nextSlot() << "still decoding";
        return;
    }
    AdvanceSlide();
}

bool Slideshow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == &area_)
        areaResized();
    return QObject::eventFilter(watched, event);
}

void Slideshow::areaResized() {
    const QSize size = pictureAreaSize();
    if (size == pictures_.areaSize() || shownSlot_ < 0)
        return;
    // The picture on show stays, stretched, until its decode at the new size lands.
    pictures_.setAreaSize(size);
    pictures_.prepareAround(shownSlot_);
}

void Slideshow::pictureDecoded(int slot) {
    if (slot == shownSlot_)
        area_.setPicture(pictures_.picture(slot));
}

} // namespace vistrel
