#pragma once

#include "platform/DocumentView.h"

class QTextBrowser;

namespace vistrel {

// The information document over QTextBrowser: local files only.
class QtDocumentView : public DocumentView {
    Q_OBJECT
public:
    explicit QtDocumentView(QWidget* parent);

    QWidget* widget() override;
    void setOffline(bool offline) override;
    void Navigate(const QString& path) override;
    void setVisible(bool visible) override;
    bool Visible() const override;
    void setGeometry(int left, int top, int width, int height) override;

private:
    QTextBrowser* browser_;
    bool offline_ = true;
};

} // namespace vistrel
