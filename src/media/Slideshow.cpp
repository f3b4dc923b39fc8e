#include "media/Slideshow.h"

#include "app/Core.h"
#include "media/SlideInterval.h"
#include "platform/FilePaths.h"
#include "platform/Log.h"
#include "platform/MessageBoxes.h"
#include "platform/ReadIni.h"
#include "window/MainDialog.h"

#include <QEvent>
#include <QTimer>

namespace vistrel {

namespace {
constexpr int LastPictureKey = 99;
}

Slideshow::Slideshow(Core& core) : core_(core) {
    connect(&pictures_, &SlidePictureCache::decoded, this, &Slideshow::pictureDecoded);
}

Slideshow::~Slideshow() = default;

void Slideshow::connectTo(MainDialog& dialog) {
    connect(dialog.TimerSlideShow, &QTimer::timeout, this, &Slideshow::tick);
    dialog.picShowPictures->installEventFilter(this);
}

void Slideshow::StartSlideShow() {
    if (!core_.hasDialog())
        return;
    MainDialog& w = core_.dialog();
    const QString intervalText = ReadIni("SlideShow", "Interval", "", core_.state.IniPath);
    const QStringList configured = configuredPictures();
    if (configured.isEmpty())
        return;

    // Found pictures fill the slots in key order; the slots of missing ones stay empty at the end.
    QStringList slotFiles;
    for (const QString& picture : configured) {
        const QString found = findPicture(picture);
        if (!found.isEmpty())
            slotFiles.append(found);
    }
    const qsizetype missing = configured.size() - slotFiles.size();
    for (qsizetype i = 0; i < missing; ++i)
        slotFiles.append(QString());
    pictures_.reset(slotFiles);
    if (missing > 0)
        core_.services.messages.showError(core_.state.MsgTitle, core_.texts.MsgSlideshow);

    interval_ = slideInterval(intervalText.toStdString());
    pictures_.setAreaSize(pictureAreaSize());
    show(0);
    // An interval of 0 never fires; a timer of 0 would fire continuously instead.
    w.TimerSlideShow->setInterval(interval_ == 0 ? LargestTimerInterval : interval_);
    w.TimerSlideShow->start();
    w.picShowPictures->show();
    qCInfo(logMedia) << "slideshow started:" << slotFiles.size() << "slots," << missing
                     << "missing, interval" << interval_ << "ms";
}

void Slideshow::AdvanceSlide() {
    const int upper = slotCount() - 1;
    if (upper < 0)
        return;
    slideIndex_ = slideIndex_ < upper ? slideIndex_ + 1 : 0;
    show(slideIndex_);
}

void Slideshow::stepBack() {
    const int upper = slotCount() - 1;
    if (upper < 0)
        return;
    // An index beyond the slots (a second start with fewer pictures) steps back to the last.
    slideIndex_ = (slideIndex_ <= 0 || slideIndex_ > upper) ? upper : slideIndex_ - 1;
    show(slideIndex_);
    core_.dialog().TimerSlideShow->stop();
}

QStringList Slideshow::configuredPictures() const {
    QStringList pictures;
    for (int key = 0; key <= LastPictureKey; ++key) {
        const QString value = ReadIni("SlideShow", QString::number(key), "", core_.state.IniPath);
        if (!value.isEmpty())
            pictures.append(value);
    }
    return pictures;
}

QString Slideshow::findPicture(const QString& configured) const {
    QString path = configured;
    if (!PathFileExists(path))
        path = joinPath(core_.state.AppPath, path);
    return PathFileExists(path) ? resolvePath(path) : QString();
}

QSize Slideshow::pictureAreaSize() const {
    const ImageArea& area = *core_.dialog().picShowPictures;
    const QSize size = area.size().isEmpty() ? MainDialog::VideoArea.size() : area.size();
    return size * area.devicePixelRatioF();
}

void Slideshow::show(int slot) {
    core_.dialog().picShowPictures->setPicture(pictures_.picture(slot));
    shownSlot_ = slot;
    pictures_.prepareAround(slot);
    qCInfo(logMedia).noquote() << "slide shown:" << slot
                               << (slotFile(slot).isEmpty() ? "(empty)" : slotFile(slot));
}

void Slideshow::tick() {
    // A timer switched on before any picture was set up has nothing to step: let it rest.
    if (slotCount() == 0) {
        core_.dialog().TimerSlideShow->stop();
        return;
    }
    if (interval_ != 0)
        AdvanceSlide();
}

bool Slideshow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && core_.hasDialog() &&
        watched == core_.dialog().picShowPictures)
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
    if (slot == shownSlot_ && core_.hasDialog())
        core_.dialog().picShowPictures->setPicture(pictures_.picture(slot));
}

} // namespace vistrel
