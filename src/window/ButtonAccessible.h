#pragma once

#include <QAccessibleWidget>

namespace vistrel {

class ImageArea;

// What a screen reader sees of a skinned button: a push button named by its tooltip (so in the
// current language), with its enabled state and a press action.
class ButtonAccessible : public QAccessibleWidget {
  public:
    explicit ButtonAccessible(ImageArea* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

  private:
    ImageArea* button() const;
};

// Makes the skinned buttons and the window known to the accessibility framework; once per
// program.
void installButtonAccessibility();

} // namespace vistrel
