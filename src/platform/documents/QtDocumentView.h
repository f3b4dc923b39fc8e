#pragma once

#include "platform/documents/DocumentView.h"

#include <QUrl>

namespace vistrel {

class LocalTextBrowser;

// The information document over a text browser: HTML with its local pictures and style
// sheets, or plain text. It never goes to a network. A link to a page of the disc opens in the
// view; web and mail links, other files of the disc and links to nothing are handed on by its
// signals; a link that leaves the disc's folder is not followed.
//
// The view is a plain area, placed, shown and named from the start (a screen reader finds it);
// the text browser inside it is made when first needed (the first document, or its widget):
// making it starts the font system, which the window's first frame does not need, and keeps
// megabytes an idle window never uses.
class QtDocumentView : public DocumentView {
    Q_OBJECT
  public:
    // Links are followed within discFolder only (anywhere when it is empty).
    explicit QtDocumentView(QWidget* parent, QString discFolder = {});

    QWidget* widget() override;
    void Navigate(const QString& path) override;
    void setVisible(bool visible) override;
    bool Visible() const override;
    void setGeometry(int left, int top, int width, int height) override;
    void setAccessibleName(const QString& name) override;

    // The document showing, as a file address; empty before the first Navigate.
    QUrl documentUrl() const;

    // What a click on a link does.
    void followLink(const QUrl& link);

  private:
    LocalTextBrowser& browser();
    void show(const QString& file);

    QString discFolder_;
    QWidget* area_;
    LocalTextBrowser* browser_ = nullptr;
};

} // namespace vistrel
