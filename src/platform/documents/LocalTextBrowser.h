#pragma once

#include <QTextBrowser>
#include <QUrl>

namespace vistrel {

// A text browser that serves a document's pictures and style sheets from local files only.
// Whatever a document references elsewhere stays empty: nothing is ever fetched.
class LocalTextBrowser : public QTextBrowser {
    Q_OBJECT
  public:
    explicit LocalTextBrowser(QWidget* parent);

    // The document that relative addresses are resolved against.
    void setDocumentUrl(const QUrl& url);
    const QUrl& documentUrl() const { return documentUrl_; }

    QVariant loadResource(int type, const QUrl& name) override;

  private:
    QUrl documentUrl_;
};

} // namespace vistrel
