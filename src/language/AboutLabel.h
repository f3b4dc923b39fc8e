#pragma once

#include <QLabel>

namespace vistrel {

// A text label of the about box. It keeps the presses made on it (they never reach the window
// beneath, so they do not drag it) and reports a left-button click released over it.
class AboutLabel : public QLabel {
    Q_OBJECT
  public:
    AboutLabel(const QString& name, const QString& text, QWidget* parent);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace vistrel
