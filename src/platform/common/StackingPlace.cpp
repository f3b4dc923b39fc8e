#include "platform/common/StackingPlace.h"

#include <QWidget>

namespace vistrel {

StackingPlace::StackingPlace(QWidget* parent) : marker_(parent ? new QWidget(parent) : nullptr) {
    if (!marker_)
        return;
    // Hidden, it takes no room, no input and no paint; its parent owns it.
    marker_->setObjectName("StackingPlace");
    marker_->hide();
}

void StackingPlace::putInPlace(QWidget* child) const {
    if (marker_ && child->parentWidget() == marker_->parentWidget())
        child->stackUnder(marker_);
}

} // namespace vistrel
