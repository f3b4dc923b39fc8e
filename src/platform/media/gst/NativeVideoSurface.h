#pragma once

#include <QWidget>

namespace vistrel {

// A native child window that a video sink draws into: Qt paints nothing there, and tells when
// the window needs its picture again.
class VideoSurface : public QWidget {
    Q_OBJECT
  public:
    explicit VideoSurface(QWidget* parent);
    ~VideoSurface() override;

    QPaintEngine* paintEngine() const override { return nullptr; }

  signals:
    void exposed();
    // The native window is about to go: whatever draws into it must stop now.
    void closing();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

} // namespace vistrel
