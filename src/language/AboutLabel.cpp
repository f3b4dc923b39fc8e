#include "language/AboutLabel.h"

#include <QMouseEvent>

namespace vistrel {

AboutLabel::AboutLabel(const QString& name, const QString& text, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    // Shown exactly as written: never read as markup.
    setTextFormat(Qt::PlainText);
    setText(text);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void AboutLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void AboutLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void AboutLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace vistrel
