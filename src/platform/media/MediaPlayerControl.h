#pragma once

#include "platform/media/MediaOpenError.h"
#include "platform/media/ProgramApi.h"
#include "platform/media/VideoPlacement.h"

#include <QObject>
#include <QString>

class QWidget;

namespace vistrel {

// Stopped covers everything that is neither paused nor playing, nothing loaded included.
enum class MediaPlayState { Stopped, Paused, Playing };

// What opening a file found.
struct MediaFound {
    double duration = 0; // seconds; 0 when the framework did not say
    bool hasVideo = false;
};

// The movie and music player placed in the video area.
//
// Opening is asynchronous: open() returns at once, and the player then says opened() or
// failed(), from the event loop. Nothing waits inside the player, so no handler of the program
// runs while another is half done. Until the verdict, and after a failure, nothing is loaded:
// the transport does nothing and fileName() is empty.
class VISTREL_PROGRAM_API MediaPlayerControl : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // The widget that shows the video; null in a double without one.
    virtual QWidget* widget() = 0;

    // An empty path drops the media and says nothing.
    virtual void open(const QString& path) = 0;
    // The opened file; empty while opening and when nothing is loaded.
    virtual QString fileName() const = 0;

    virtual void Play() = 0;
    virtual void Pause() = 0;
    virtual void Stop() = 0;
    virtual MediaPlayState PlayState() const = 0;

    virtual void setCurrentPosition(double seconds) = 0;
    virtual double CurrentPosition() const = 0;
    virtual double Duration() const = 0;

    virtual void place(const VideoPlacement& placement) = 0;

  signals:
    void opened(const vistrel::MediaFound& found);
    // Opening failed, or the media failed later on (after opened()): nothing is loaded now.
    void failed(vistrel::MediaOpenError error, const QString& why);
    // The video left full screen by itself (Esc, the window manager).
    void fullScreenLeft();
    // A double click on the video, also in full screen.
    void DblClick();
};

} // namespace vistrel
