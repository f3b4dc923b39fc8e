#include "platform/QtDocumentView.h"

#include "platform/DocumentFile.h"
#include "platform/FilePaths.h"
#include "platform/LocalLinks.h"
#include "platform/LocalTextBrowser.h"
#include "platform/Log.h"

#include <QFileInfo>

namespace vistrel {

namespace {

// Marks the end of a document shown only in part.
const QString kCutMark = QStringLiteral("[\u2026]");

QString pictureDocument(const QString& file) {
    const QUrl picture = QUrl::fromLocalFile(file);
    return QStringLiteral("<img src=\"%1\">").arg(picture.toString().toHtmlEscaped());
}

} // namespace

QtDocumentView::QtDocumentView(QWidget* parent)
    : DocumentView(parent), browser_(new LocalTextBrowser(parent)) {
    browser_->setObjectName(QStringLiteral("WebBrowser"));
    connect(browser_, &QTextBrowser::anchorClicked, this, &QtDocumentView::followLink);
}

QWidget* QtDocumentView::widget() {
    return browser_;
}
void QtDocumentView::setOffline(bool offline) {
    offline_ = offline;
}

void QtDocumentView::Navigate(const QString& path) {
    const QString file = QFileInfo(resolvePath(path)).absoluteFilePath();
    qCInfo(logAction).noquote() << "document:" << file;
    show(file);
}

void QtDocumentView::show(const QString& file) {
    browser_->setDocumentUrl(QUrl::fromLocalFile(file));
    const DocumentContent content = loadDocument(file);
    switch (content.kind) {
    case DocumentKind::Html:
        browser_->setHtml(content.cut ? content.text + "<p>" + kCutMark + "</p>" : content.text);
        break;
    case DocumentKind::PlainText:
        browser_->setPlainText(content.cut ? content.text + "\n" + kCutMark : content.text);
        break;
    case DocumentKind::Picture:
        browser_->setHtml(pictureDocument(file));
        break;
    case DocumentKind::NotText:
        browser_->clear();
        qCInfo(logAction).noquote() << "document not shown: not text:" << file;
        break;
    }
    if (content.cut)
        qCInfo(logAction).noquote() << "document shown in part:" << DocumentReadLimit << "bytes";
}

void QtDocumentView::followLink(const QUrl& link) {
    const QUrl target = browser_->documentUrl().resolved(link);
    if (isOutsideLink(target)) {
        emit outsideLinkClicked(target);
        return;
    }
    const QString file = resolvePath(localFileOf(link, browser_->documentUrl()));
    if (file.isEmpty() || !isExistingFile(file)) {
        qCInfo(logAction).noquote() << "link not followed:" << target.toString();
        return;
    }
    if (QFileInfo(file).absoluteFilePath() != browser_->documentUrl().toLocalFile())
        Navigate(file);
    if (target.hasFragment())
        browser_->scrollToAnchor(target.fragment());
}

QUrl QtDocumentView::documentUrl() const {
    return browser_->documentUrl();
}

void QtDocumentView::setVisible(bool visible) {
    browser_->setVisible(visible);
}
bool QtDocumentView::Visible() const {
    return browser_->isVisibleTo(browser_->parentWidget());
}
void QtDocumentView::setGeometry(int left, int top, int width, int height) {
    browser_->setGeometry(left, top, width, height);
}

} // namespace vistrel
