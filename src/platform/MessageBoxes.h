#pragma once

#include <QString>

namespace vistrel {

// Every message of the program is an error box with one OK button; it is logged before it shows.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    void showError(const QString& title, const QString& text);

  protected:
    virtual void present(const QString& title, const QString& text) = 0;
};

} // namespace vistrel
