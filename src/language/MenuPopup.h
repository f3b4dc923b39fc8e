#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPoint>

class QMenu;
class QWidget;

namespace vistrel {

// Shows a menu as a modal pop-up for the small button that opens it. While it is open the
// window beneath takes no input: a press outside the menu only closes it and is not handed on.
// A press on the opening button closes it as well; when it follows the button's own press within
// the double-click time it is the second press of a double click on the button.
class MenuPopup : public QObject {
    Q_OBJECT
  public:
    MenuPopup(QMenu* menu, QWidget* button);

    // The button was pressed with the left button: a double click may begin here.
    void buttonPressed();
    // True within the double-click time of the button's own last press. A press that closed the
    // menu is not the button's own, so it begins no double click on the button.
    bool followsButtonPress() const;
    // How the menu was asked for: from the keyboard it opens with its first entry highlighted,
    // as menus do, so that Enter and the arrows work at once.
    enum class Opened { ByMouse, ByKeyboard };

    // Pops the menu up with its top-left corner at the global point and returns once it has
    // closed. True when the press that closed it completed a double click on the button.
    bool exec(QPoint globalPosition, Opened opened = Opened::ByMouse);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QList<QMenu*> menus() const;
    bool isOverOpenMenu(QPoint globalPosition) const;
    bool isOverButton(QPoint globalPosition) const;
    void closeMenus();

    QMenu* menu_;
    QWidget* button_;
    QElapsedTimer sinceButtonPress_;
    bool closedByDoubleClick_ = false;
    Opened opened_ = Opened::ByMouse;
};

} // namespace vistrel
