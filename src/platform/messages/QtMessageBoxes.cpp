#include "platform/messages/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace vistrel {

void QtMessageBoxes::present(const QString& title, const QString& text) {
    // Application-modal like the platform's message box: the window takes no input meanwhile.
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName("messageBox");
    box.exec();
}

} // namespace vistrel
