#pragma once

#include "platform/messages/MessageBoxes.h"

namespace vistrel {

class QtMessageBoxes : public MessageBoxes {
  protected:
    void present(const QString& title, const QString& text) override;
};

} // namespace vistrel
