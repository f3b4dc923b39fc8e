#pragma once

#include <QPoint>

class QWidget;

namespace vistrel {

// Moves a frameless window by the pointer's travel while the left button is held on its drag
// surfaces. The move starts only once the pointer has travelled, so that a double click still
// arrives as one.
class WindowDrag {
  public:
    explicit WindowDrag(QWidget* window) : window_(window) {}

    void press(int button, QPoint globalPosition);
    void move(QPoint globalPosition, bool leftHeld);
    void release();

  private:
    enum class Moving { NotYet, BySystem, ByProgram };
    void startMoving(QPoint travel);

    QWidget* window_;
    bool pressed_ = false;
    Moving moving_ = Moving::NotYet;
    QPoint pressPosition_;
    QPoint windowStart_;
};

} // namespace vistrel
