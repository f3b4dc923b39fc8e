#include "platform/QtDocumentView.h"

#include "platform/FilePaths.h"
#include "platform/Log.h"

#include <QTextBrowser>
#include <QUrl>

namespace vistrel {

QtDocumentView::QtDocumentView(QWidget* parent)
    : DocumentView(parent), browser_(new QTextBrowser(parent)) {
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
}

QWidget* QtDocumentView::widget() { return browser_; }
void QtDocumentView::setOffline(bool offline) { offline_ = offline; }

void QtDocumentView::Navigate(const QString& path) {
    qCInfo(logAction).noquote() << "document:" << path;
    browser_->setSource(QUrl::fromLocalFile(resolvePath(path)));
}

void QtDocumentView::setVisible(bool visible) { browser_->setVisible(visible); }
bool QtDocumentView::Visible() const { return browser_->isVisibleTo(browser_->parentWidget()); }
void QtDocumentView::setGeometry(int left, int top, int width, int height) {
    browser_->setGeometry(left, top, width, height);
}

} // namespace vistrel
