#pragma once

class QWidget;

namespace vistrel {

// Holds a place in a parent's stacking order for a child widget that is made later: the child,
// once made, lies among its siblings as if it had been made when the place was taken.
class StackingPlace {
  public:
    // Without a parent there is no order to keep.
    explicit StackingPlace(QWidget* parent);

    void putInPlace(QWidget* child) const;

  private:
    QWidget* marker_;
};

} // namespace vistrel
