#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace vistrel {

// The movie and music player placed in the video area. Members mirror the player control the
// behaviour was written against: PlayState 1 = paused, 2 = playing, anything else neither;
// DisplaySize 3 = covers the screen by itself, 4 = fitted to its rectangle.
class MediaPlayerControl : public QObject {
    Q_OBJECT
  public:
    static constexpr int Paused = 1;
    static constexpr int Playing = 2;
    static constexpr int FullScreen = 3;
    static constexpr int FitToSize = 4;

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
    virtual int PlayState() const = 0;

    virtual void setCurrentPosition(double seconds) = 0;
    virtual double CurrentPosition() const = 0;
    virtual double Duration() const = 0;

    virtual int DisplaySize() const = 0;
    virtual void setDisplaySize(int size) = 0;

    virtual void setLeft(int left) = 0;
    virtual void setTop(int top) = 0;
    virtual void setWidth(int width) = 0;
    virtual void setHeight(int height) = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
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
