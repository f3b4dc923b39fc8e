#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class QWidget;

namespace vistrel {

// The information document shown in place of the media. It never goes to a network.
class DocumentView : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    virtual QWidget* widget() = 0;
    virtual void Navigate(const QString& path) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool Visible() const = 0;
    virtual void setGeometry(int left, int top, int width, int height) = 0;
    // What a screen reader calls the view.
    virtual void setAccessibleName(const QString& name) = 0;

  signals:
    // A link to the world outside the disc (web, mail) was clicked; the view does not follow it.
    void outsideLinkClicked(const QUrl& url);
    // A link to a file or folder on the disc that the view does not show (a PDF, a program, an
    // archive): for the system's own program.
    void fileLinkClicked(const QString& file);
    // A link to a file that is not on the disc, as the page writes it.
    void brokenLinkClicked(const QString& link);
};

} // namespace vistrel
