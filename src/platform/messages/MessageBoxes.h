#pragma once

#include <QString>

namespace vistrel {

// Laying out megabytes of text holds the window for minutes, and no one reads past a few lines:
// a value named in a message, and a message as a whole, are cut to these many characters.
// The whole leaves room for a language text at the profile reader's cut and a value.
inline constexpr qsizetype MessageValueLimit = 1000;
inline constexpr qsizetype MessageTextLimit = 4000;

// text when it has at most limit characters, else its start and an ellipsis, limit in all.
QString shortenedText(const QString& text, qsizetype limit);

// Every message of the program is an error box with one OK button; it is logged before it shows.
// Title and text are cut to MessageTextLimit first.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    void showError(const QString& title, const QString& text);

  protected:
    virtual void present(const QString& title, const QString& text) = 0;
    // For boxes that hand a message on: shown by the others, logged once.
    static void presentIn(MessageBoxes& boxes, const QString& title, const QString& text) {
        boxes.present(title, text);
    }
};

} // namespace vistrel
