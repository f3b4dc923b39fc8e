#pragma once

#include <QObject>
#include <QRect>
#include <QString>

class QWidget;

namespace vistrel {

// Stopped covers everything that is neither paused nor playing, nothing loaded included.
enum class MediaPlayState { Stopped, Paused, Playing };

// FullScreen: the video covers the screen by itself; FitToSize: it fills its rectangle.
enum class MediaDisplaySize { FitToSize, FullScreen };

// The movie and music player placed in the video area.
class MediaPlayerControl : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // The widget that shows the video; null in a double without one.
    virtual QWidget* widget() = 0;

    virtual void setFileName(const QString& path) = 0;
    virtual QString fileName() const = 0;
    // Read right after setFileName: non-zero when opening failed.
    virtual int errorIndicator() const = 0;

    virtual void Play() = 0;
    virtual void Pause() = 0;
    virtual void Stop() = 0;
    virtual MediaPlayState PlayState() const = 0;

    virtual void setCurrentPosition(double seconds) = 0;
    virtual double CurrentPosition() const = 0;
    virtual double Duration() const = 0;

    virtual MediaDisplaySize DisplaySize() const = 0;
    virtual void setDisplaySize(MediaDisplaySize size) = 0;

    // The place in the parent window; a negative size counts as zero. While the video covers
    // the screen, this is where it returns to.
    virtual void setGeometry(const QRect& geometry) = 0;
    virtual QRect geometry() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool Visible() const = 0;
    virtual void setEnabled(bool enabled) = 0;

  signals:
    // A double click on the video, also in full screen.
    void DblClick();
    // Opening failed only after the start was accepted (the framework learns of it late).
    void failedLate();
};

} // namespace vistrel
