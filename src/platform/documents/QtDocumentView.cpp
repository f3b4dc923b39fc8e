#include "platform/documents/QtDocumentView.h"

#include "platform/disc/FilePaths.h"
#include "platform/documents/DocumentFile.h"
#include "platform/documents/LocalLinks.h"
#include "platform/documents/LocalTextBrowser.h"
#include "platform/log/Log.h"

#include <QFileInfo>
#include <QVBoxLayout>

namespace vistrel {

namespace {

// Marks the end of a document shown only in part.
const QString kCutMark = QStringLiteral("[\u2026]");

QString pictureDocument(const QString& file) {
    const QUrl picture = QUrl::fromLocalFile(file);
    return QStringLiteral("<img src=\"%1\">").arg(picture.toString().toHtmlEscaped());
}

} // namespace

QtDocumentView::QtDocumentView(QWidget* parent, QString discFolder)
    : DocumentView(parent), discFolder_(std::move(discFolder)), area_(new QWidget(parent)) {
    area_->setObjectName(QStringLiteral("DocumentArea"));
    auto* layout = new QVBoxLayout(area_);
    layout->setContentsMargins(0, 0, 0, 0);
}

LocalTextBrowser& QtDocumentView::browser() {
    if (browser_)
        return *browser_;
    browser_ = new LocalTextBrowser(area_);
    browser_->setObjectName(QStringLiteral("WebBrowser"));
    browser_->setAccessibleName(area_->accessibleName());
    area_->layout()->addWidget(browser_);
    connect(browser_, &QTextBrowser::anchorClicked, this, &QtDocumentView::followLink);
    return *browser_;
}

QWidget* QtDocumentView::widget() {
    return &browser();
}

void QtDocumentView::Navigate(const QString& path) {
    const QString file = QFileInfo(resolvePath(path)).absoluteFilePath();
    qCInfo(logAction).noquote() << "document:" << file;
    show(file);
}

void QtDocumentView::show(const QString& file) {
    LocalTextBrowser& view = browser();
    view.setDocumentUrl(QUrl::fromLocalFile(file));
    const DocumentContent content = loadDocument(file);
    switch (content.kind) {
    case DocumentKind::Html:
        view.setHtml(content.cut ? content.text + "<p>" + kCutMark + "</p>" : content.text);
        break;
    case DocumentKind::PlainText:
        view.setPlainText(content.cut ? content.text + "\n" + kCutMark : content.text);
        break;
    case DocumentKind::Picture:
        view.setHtml(pictureDocument(file));
        break;
    case DocumentKind::NotText:
        view.clear();
        qCInfo(logAction).noquote() << "document not shown: not text:" << file;
        break;
    }
    if (!content.shownAsText.isEmpty())
        qCInfo(logAction).noquote() << "document shown as plain text:" << content.shownAsText;
    if (content.cut)
        qCInfo(logAction).noquote() << "document shown in part:" << DocumentReadLimit << "bytes";
}

void QtDocumentView::followLink(const QUrl& link) {
    LocalTextBrowser& view = browser();
    const LinkTarget target = linkTarget(link, view.documentUrl(), discFolder_);
    const QString address = target.address.toString();
    switch (target.kind) {
    case LinkTarget::World:
        emit outsideLinkClicked(target.address);
        break;
    case LinkTarget::NotLocal:
        qCInfo(logAction).noquote() << "link refused: not on this computer:" << address;
        break;
    case LinkTarget::OffDisc:
        qCInfo(logAction).noquote() << "link refused: outside the disc:" << target.file;
        break;
    case LinkTarget::Missing:
        qCInfo(logAction).noquote() << "link broken:" << address;
        emit brokenLinkClicked(target.asWritten);
        break;
    case LinkTarget::Other:
        qCInfo(logAction).noquote() << "link handed to the system:" << target.file;
        emit fileLinkClicked(target.file);
        break;
    case LinkTarget::Page:
        qCInfo(logAction).noquote() << "link followed:" << address;
        if (target.file != view.documentUrl().toLocalFile())
            Navigate(target.file);
        if (target.address.hasFragment())
            view.scrollToAnchor(target.address.fragment());
        break;
    }
}

QUrl QtDocumentView::documentUrl() const {
    return browser_ ? browser_->documentUrl() : QUrl();
}

void QtDocumentView::setVisible(bool visible) {
    area_->setVisible(visible);
}

bool QtDocumentView::Visible() const {
    return area_->isVisibleTo(area_->parentWidget());
}

void QtDocumentView::setAccessibleName(const QString& name) {
    area_->setAccessibleName(name);
    if (browser_)
        browser_->setAccessibleName(name);
}

void QtDocumentView::setGeometry(int left, int top, int width, int height) {
    area_->setGeometry(left, top, width, height);
}

} // namespace vistrel
