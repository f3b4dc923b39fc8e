#pragma once

#include <QWidget>

namespace vistrel {

// Where the video shows: a native window a sink draws into (NativeVideoSurface), or a widget
// that draws the decoded pictures itself (FrameSurface).
class VideoSurface : public QWidget {
    Q_OBJECT
  public:
    ~VideoSurface() override;

  signals:
    // The native window needs its picture again.
    void exposed();
    // The surface is about to go: whatever draws into it must stop now.
    void closing();

  protected:
    explicit VideoSurface(QWidget* parent);
    void hideEvent(QHideEvent* event) override;
};

} // namespace vistrel
