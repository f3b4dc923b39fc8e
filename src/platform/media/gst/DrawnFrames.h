#pragma once

#include <QImage>
#include <QObject>

#include <memory>
#include <mutex>

typedef struct _GstElement GstElement;

namespace vistrel {

// One decoded picture and the shape of its pixels (width / height; a DVD's 16:9 at 720 x 576 has
// wide pixels).
struct DrawnPicture {
    QImage image;
    double pixelAspect = 1.0;
};

// The decoded pictures of a video that Qt draws itself (where no sink can draw into the window:
// a Wayland session, or no display): a sink hands each one over from its streaming thread, and
// the newest waits here for the window to paint it. Pictures that come faster than the window
// paints replace one another; the window is asked once to paint.
class DrawnFrames : public QObject {
    Q_OBJECT
  public:
    // Shared by the sink and the window; deleted on its own thread, whichever lets go last.
    static std::shared_ptr<DrawnFrames> make();

    // Any thread.
    void put(DrawnPicture picture);
    // The newest picture; null before the first one and after clear().
    DrawnPicture newest() const;
    void clear();

  signals:
    // A new picture is there (from the event loop).
    void arrived();

  private:
    DrawnFrames() = default;

    mutable std::mutex mutex_;
    DrawnPicture newest_;
    bool told_ = false;
};

// A sink that hands the video's pictures, as 32-bit RGB, to the frames, in time with the sound.
// Floating reference, or null when it cannot be made. Any thread.
GstElement* makeFrameSink(const std::shared_ptr<DrawnFrames>& frames);

} // namespace vistrel
