// Draws the about box's artwork: 300 x 225, dark blue, the product's name at the top, a credit
// line in the middle, and the Exit button over the box's close area. The version line (y 64..80)
// and the two links (y 140..176) are left plain so that their text stays readable.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

constexpr int Width = 300;
constexpr int Height = 225;
const QRect CloseArea(128, 192, 49, 17);

QFont font(int pixelSize, int weight, qreal spacing = 0) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setWeight(QFont::Weight(weight));
    f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    return f;
}

void drawBackground(QPainter& p) {
    QLinearGradient sky(0, 0, 0, Height);
    sky.setColorAt(0.0, QColor(10, 22, 62));
    sky.setColorAt(0.55, QColor(6, 12, 38));
    sky.setColorAt(1.0, QColor(3, 6, 20));
    p.fillRect(0, 0, Width, Height, sky);
    // A faint disc rising behind the name.
    QRadialGradient glow(QPointF(Width / 2.0, 18), 150);
    glow.setColorAt(0.0, QColor(70, 120, 220, 110));
    glow.setColorAt(1.0, QColor(70, 120, 220, 0));
    p.fillRect(0, 0, Width, Height, glow);
    p.setPen(QPen(QColor(120, 170, 255, 60), 1));
    p.setBrush(Qt::NoBrush);
    for (int r = 40; r <= 88; r += 16)
        p.drawEllipse(QPointF(Width / 2.0, -30), r * 1.6, r);
    p.setPen(QPen(QColor(90, 140, 230), 1));
    p.drawRect(0, 0, Width - 1, Height - 1);
}

void drawName(QPainter& p) {
    const QRect area(0, 8, Width, 48);
    QPainterPath path;
    const QFont title = font(38, QFont::Bold, 2);
    path.addText(0, 0, title, QStringLiteral("Vistrel"));
    const QRectF bounds = path.boundingRect();
    path.translate(area.center().x() - bounds.center().x(),
                   area.center().y() - bounds.center().y());
    p.setPen(QPen(QColor(30, 60, 140), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    QLinearGradient fill(0, area.top(), 0, area.bottom());
    fill.setColorAt(0.0, QColor(235, 245, 255));
    fill.setColorAt(1.0, QColor(120, 190, 255));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

void drawCredit(QPainter& p) {
    p.setPen(QColor(150, 175, 220));
    p.setFont(font(11, QFont::Normal));
    p.drawText(QRect(0, 92, Width, 16), Qt::AlignHCenter,
               QStringLiteral("The front end of your disc"));
    p.setPen(QColor(110, 130, 175));
    p.setFont(font(10, QFont::Normal));
    p.drawText(QRect(0, 110, Width, 16), Qt::AlignHCenter, QStringLiteral("made by Nordquill"));
}

void drawExitButton(QPainter& p) {
    const QRectF button = QRectF(CloseArea).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient face(0, button.top(), 0, button.bottom());
    face.setColorAt(0.0, QColor(80, 120, 200));
    face.setColorAt(1.0, QColor(30, 55, 120));
    p.setPen(QPen(QColor(170, 200, 255), 1));
    p.setBrush(face);
    p.drawRoundedRect(button, 4, 4);
    p.setPen(Qt::white);
    p.setFont(font(11, QFont::Bold));
    p.drawText(CloseArea, Qt::AlignCenter, QStringLiteral("Exit"));
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.png>\n", argv[0]);
        return 2;
    }
    QImage image(Width, Height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawBackground(painter);
    drawName(painter);
    drawCredit(painter);
    drawExitButton(painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
