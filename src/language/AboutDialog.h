#pragma once

#include <QDialog>
#include <QPixmap>
#include <QRect>
#include <QUrl>

#include <memory>

namespace vistrel {

class AboutLabel;
class Desktop;
class ImageArea;
class WindowDrag;

// The about box: the product's artwork, the version and two links, closed by the Exit button
// that the artwork draws. Frameless; dragged by its background with the left button.
class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int Width = 300;
    static constexpr int Height = 225;
    static constexpr QRect VersionArea{0, 64, 305, 17};
    static constexpr QRect MailArea{64, 140, 169, 17};
    static constexpr QRect HomepageArea{64, 160, 169, 17};
    static constexpr QRect CloseArea{128, 192, 49, 17};
    static const QString MailAddress;
    static const QString HomepageText;
    static const QUrl MailUrl;
    static const QUrl HomepageUrl;

    // Links open through the desktop. The box is modal over parent and centred on its screen.
    AboutDialog(Desktop& desktop, QWidget* parent);
    ~AboutDialog() override;

    AboutLabel* VersionNr;
    AboutLabel* btnSendMail;
    AboutLabel* btnVisitHomepage;
    ImageArea* btnExit;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void createElements();
    AboutLabel* makeLink(const QString& name, const QString& text, QRect area);
    void centreOnScreen();
    void btnSendMailClick();
    void btnVisitHomepageClick();
    void btnExitClick();

    Desktop& desktop_;
    QPixmap artwork_;
    std::unique_ptr<WindowDrag> drag_;
};

} // namespace vistrel
