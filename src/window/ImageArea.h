#pragma once

#include <QPixmap>
#include <QWidget>

namespace vistrel {

// Mouse button codes as the handlers see them: 1 left, 2 right, 4 middle.
int buttonCode(Qt::MouseButton button);

// An element that shows one picture from its top-left corner, unscaled (or stretched over its
// area), or nothing, so that whatever lies beneath shows through. It reports presses as
// mouse-down, mouse-up, click (released over it) and double-click.
class ImageArea : public QWidget {
    Q_OBJECT
  public:
    explicit ImageArea(const QString& name, QWidget* parent);

    void setPicture(const QPixmap& picture);
    void clearPicture();
    bool hasPicture() const { return !picture_.isNull(); }
    const QPixmap& picture() const { return picture_; }
    void setStretch(bool stretch);
    // An element that takes the size of its picture whenever it gets one.
    void setAutoSize(bool autoSize) { autoSize_ = autoSize; }

    // A button takes the keyboard's focus (by Tab and the arrows, never by a click), shows it with
    // a ring, and is pressed by Enter and Space as by the left mouse button.
    void makeButton();
    bool isButton() const { return button_; }
    // A complete press and release with the left button over the element, as from the keyboard
    // or a screen reader.
    void press();
    // While its click is told: whether it came from the keyboard (or a screen reader) rather
    // than the mouse.
    bool clickedByKey() const { return clickedByKey_; }
    // Told by a double click's receiver that it paired a press with one the element never had
    // (that press closed a menu): the press starts a click of its own, ended by its release.
    void takeDoubleClickAsPress() { doubleClickHeld_ = false; }

  signals:
    void mouseDown(int button);
    void mouseUp(int button);
    void mouseMoved(QPoint globalPosition, Qt::MouseButtons buttons);
    void clicked();
    void doubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void paintFocusRing(QPainter& painter) const;
    void clickByKey();

    QPixmap picture_;
    bool stretch_ = false;
    bool autoSize_ = false;
    bool button_ = false;
    // The key that pressed it, until its release; 0 when no key holds it.
    int pressedByKey_ = 0;
    bool clickedByKey_ = false;
    // The left button's second press of a double click, until its release.
    bool doubleClickHeld_ = false;
};

} // namespace vistrel
