#include "language/AboutDialog.h"

#include "language/AboutLabel.h"
#include "platform/desktop/Desktop.h"
#include "platform/log/Log.h"
#include "window/ImageArea.h"
#include "window/WindowDrag.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace vistrel {

const QString AboutDialog::MailAddress = QStringLiteral("vistrel@nordquill.example");
const QString AboutDialog::HomepageText = QStringLiteral("www.nordquill.example/vistrel");
const QUrl AboutDialog::MailUrl{QStringLiteral("mailto:vistrel@nordquill.example")};
// The address opened is written with a capital V; the label shows it in small letters.
const QUrl AboutDialog::HomepageUrl{QStringLiteral("http://www.nordquill.example/Vistrel")};

namespace {

QFont labelFont(bool bold, bool underline) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void setTextColour(QWidget* widget, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

AboutDialog::AboutDialog(Desktop& desktop, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), desktop_(desktop),
      artwork_(QStringLiteral(":/about/about.png")), drag_(std::make_unique<WindowDrag>(this)) {
    setObjectName("AboutDialog");
    setWindowTitle("Form1");
    setModal(true);
    setFixedSize(Width, Height);
    createElements();
    centreOnScreen();
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::createElements() {
    VersionNr = new AboutLabel("VersionNr", QStringLiteral("Version " VISTREL_VERSION), this);
    VersionNr->setGeometry(VersionArea);
    VersionNr->setFont(labelFont(true, false));
    setTextColour(VersionNr, QColor(192, 255, 255));

    btnSendMail = makeLink("btnSendMail", MailAddress, MailArea);
    btnVisitHomepage = makeLink("btnVisitHomepage", HomepageText, HomepageArea);
    connect(btnSendMail, &AboutLabel::clicked, this, &AboutDialog::btnSendMailClick);
    connect(btnVisitHomepage, &AboutLabel::clicked, this, &AboutDialog::btnVisitHomepageClick);

    // No picture of its own: the artwork draws the button this area lies over.
    btnExit = new ImageArea("btnExit", this);
    btnExit->setGeometry(CloseArea);
    connect(btnExit, &ImageArea::clicked, this, &AboutDialog::btnExitClick);
}

AboutLabel* AboutDialog::makeLink(const QString& name, const QString& text, QRect area) {
    auto* link = new AboutLabel(name, text, this);
    link->setGeometry(area);
    link->setFont(labelFont(false, true));
    setTextColour(link, Qt::white);
    link->setCursor(Qt::PointingHandCursor);
    return link;
}

void AboutDialog::centreOnScreen() {
    QScreen* screen = parentWidget() ? parentWidget()->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.x() + (area.width() - Width) / 2, area.y() + (area.height() - Height) / 2);
}

void AboutDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (artwork_.isNull())
        painter.fillRect(rect(), QColor(16, 24, 64));
    else
        painter.drawPixmap(0, 0, artwork_);
}

void AboutDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    qCInfo(logMenu) << "about box shown at" << geometry();
}

void AboutDialog::hideEvent(QHideEvent* event) {
    drag_->release();
    QDialog::hideEvent(event);
    qCInfo(logMenu) << "about box closed";
}

void AboutDialog::mousePressEvent(QMouseEvent* event) {
    drag_->press(buttonCode(event->button()), event->globalPosition().toPoint());
}

void AboutDialog::mouseMoveEvent(QMouseEvent* event) {
    drag_->move(event->globalPosition().toPoint(), event->buttons() & Qt::LeftButton);
}

void AboutDialog::mouseReleaseEvent(QMouseEvent*) {
    drag_->release();
}

void AboutDialog::btnSendMailClick() {
    desktop_.openUrl(MailUrl);
}

void AboutDialog::btnVisitHomepageClick() {
    desktop_.openUrl(HomepageUrl);
}

void AboutDialog::btnExitClick() {
    close();
}

} // namespace vistrel
