#pragma once

#include "media/SlidePictureCache.h"
#include "platform/disc/DiscFolder.h"

#include <QObject>
#include <QSize>

namespace vistrel {

class ImageArea;
class Messages;
class Stage;

// What a disc says about its slideshow.
struct SlideshowSettings {
    // The picture files as configured, in key order.
    QStringList pictures;
    // Milliseconds between pictures, as configured.
    QString interval;
};

// The picture slideshow of a disc without a movie: the slots built from the configuration's
// keys "0" to "99", the picture shown in picShowPictures, stepping with wrap-around both ways,
// and the interval of the stage's slide timer, which the playback buttons run and hold.
class Slideshow : public QObject {
    Q_OBJECT
  public:
    // Steps each time the stage says a slide is due (not while the next picture is still being
    // decoded) and follows the picture area's size.
    Slideshow(ImageArea& picShowPictures, Stage& stage, DiscFolder disc, SlideshowSettings settings,
              const Messages& messages);
    ~Slideshow() override;

    // Builds the slots, tells the user once when pictures are missing, shows slot 0 and starts
    // the timer. Nothing happens when no picture is configured.
    void StartSlideShow();
    // The next slot, from the last back to the first.
    void AdvanceSlide();
    // The previous slot, from the first to the last, and the timer stops.
    void stepBack();

    // One slot per configured picture; 0 before the slideshow is set up.
    int slotCount() const { return pictures_.slotCount(); }
    // The file shown in a slot; empty for a slot whose file was missing.
    QString slotFile(int slot) const { return pictures_.file(slot); }
    const SlidePictureCache& pictures() const { return pictures_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QSize pictureAreaSize() const;
    // The slot AdvanceSlide goes to.
    int nextSlot() const;
    void show(int slot);
    void tick();
    void areaResized();
    void pictureDecoded(int slot);

    ImageArea& area_;
    Stage& stage_;
    DiscFolder disc_;
    SlideshowSettings settings_;
    const Messages& messages_;
    SlidePictureCache pictures_;
    // The slot last stepped to; a new start shows slot 0 but keeps it.
    int slideIndex_ = 0;
    int shownSlot_ = -1;
};

} // namespace vistrel
