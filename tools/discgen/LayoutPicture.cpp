#include "LayoutPicture.h"

#include "Fonts.h"
#include "Layout.h"

#include "skin/SkinFiles.h"
#include "window/Buttons.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <array>

namespace vistrel::discgen {

namespace {

// Window pixels to picture pixels, and the margins around the window: rulers on the top and the
// left, the callouts of the small buttons above and below.
constexpr int Scale = 2;
constexpr int MarginLeft = 64;
constexpr int MarginTop = 128;
constexpr int MarginRight = 24;
constexpr int MarginBottom = 184;
constexpr int RulerDepth = 28;
constexpr int CalloutRow = 26;

const QColor kFixed(118, 52, 168);
const QColor kTitleBar(204, 96, 0);
const QColor kAction(22, 86, 196);
const QColor kConsole(16, 128, 56);
const QColor kInk(34, 38, 48);
const QColor kDimInk(92, 98, 112);

QRect onPicture(const QRect& r) {
    return {MarginLeft + r.x() * Scale, MarginTop + r.y() * Scale, r.width() * Scale,
            r.height() * Scale};
}

QString place(const QRect& r) {
    return QStringLiteral("%1,%2  %3\u00d7%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QColor colourOf(ButtonKind kind) {
    switch (kind) {
    case ButtonKind::TitleBar:
        return kTitleBar;
    case ButtonKind::Console:
        return kConsole;
    case ButtonKind::Action:
        break;
    }
    return kAction;
}

// The skin pictures a button shows, as the skin loader names them.
QString picturesOf(const ButtonRow& row) {
    const SkinPart& part = skinPartOf(row.id);
    if (row.kind != ButtonKind::Action)
        return skinFileName(part, row.pictureIndex);
    QStringList looks;
    for (int i = 0; i < part.count; ++i)
        looks.append(QString::number(i));
    return QStringLiteral("%1{%2}.bmp").arg(QString::fromUtf8(part.name), looks.join(','));
}

void outline(QPainter& p, const QRect& element, const QColor& colour) {
    const QRect r = onPicture(element);
    QColor tint = colour;
    tint.setAlpha(34);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(r, tint);
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(1, 1, -1, -1));
    p.restore();
}

struct Line {
    QString text;
    QFont font;
    QColor colour;
};

// Lines centred in a box, one under the other.
void centredLines(QPainter& p, const QRect& box, const QList<Line>& lines) {
    int height = 0;
    for (const Line& line : lines)
        height += QFontMetrics(line.font).height();
    int y = box.center().y() - height / 2;
    for (const Line& line : lines) {
        const int lineHeight = QFontMetrics(line.font).height();
        p.setFont(line.font);
        p.setPen(line.colour);
        p.drawText(QRect(box.left(), y, box.width(), lineHeight), Qt::AlignCenter, line.text);
        y += lineHeight;
    }
}

// A name in bold and its place, then what it shows, in the colour of its kind; a small element
// gives its place a line of its own.
void labelInside(QPainter& p, const QRect& element, const QString& name, const QColor& colour,
                 const QStringList& notes, int nameSize, bool placeBelow = false) {
    QList<Line> lines;
    if (placeBelow) {
        lines.append({name, font(nameSize, true), colour});
        lines.append({place(element), font(nameSize - 2, true), colour});
    } else {
        lines.append({name + QStringLiteral("  ") + place(element), font(nameSize, true), colour});
    }
    for (const QString& note : notes)
        lines.append({note, font(nameSize - 2), kInk});
    centredLines(p, onPicture(element), lines);
}

// A label outside the window joined to its element by a line with one bend: the line leaves the
// element's middle vertically, runs to the label's row and turns towards the label.
void callout(QPainter& p, const QRect& element, int rowY, bool labelRight, const QString& text,
             const QColor& colour) {
    const QRect r = onPicture(element);
    const int x = r.center().x();
    const int fromY = rowY < r.top() ? r.top() : r.bottom() + 1;
    const int turn = labelRight ? 14 : -14;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(colour, 1.5));
    p.drawLine(x, fromY, x, rowY);
    p.drawLine(x, rowY, x + turn, rowY);
    p.setFont(font(14, true));
    p.setPen(colour);
    const QFontMetrics metrics(p.font());
    const int width = metrics.horizontalAdvance(text);
    const int left = labelRight ? x + turn + 6 : x + turn - 6 - width;
    p.drawText(QRect(left, rowY - metrics.height() / 2, width, metrics.height()),
               Qt::AlignVCenter | Qt::AlignLeft, text);
    p.restore();
}

QString calloutText(const ButtonRow& row) {
    return QString::fromUtf8(row.name) + QStringLiteral("  ") + place(row.rect) +
           QStringLiteral("  \u00b7  ") + picturesOf(row);
}

void drawGrid(QPainter& p) {
    const QRect window = onPicture(QRect(QPoint(0, 0), layout::window));
    p.fillRect(window, Qt::white);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int x = 10; x < layout::window.width(); x += 10) {
        p.setPen(x % 50 == 0 ? QColor(214, 219, 228) : QColor(236, 239, 244));
        p.drawLine(window.left() + x * Scale, window.top(), window.left() + x * Scale,
                   window.bottom());
    }
    for (int y = 10; y < layout::window.height(); y += 10) {
        p.setPen(y % 50 == 0 ? QColor(214, 219, 228) : QColor(236, 239, 244));
        p.drawLine(window.left(), window.top() + y * Scale, window.right(),
                   window.top() + y * Scale);
    }
    p.restore();
}

// Ticks every 10 window pixels along the top and the left edge, numbered every 50.
void drawRulers(QPainter& p) {
    const QRect window = onPicture(QRect(QPoint(0, 0), layout::window));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(font(11));
    p.setPen(kDimInk);
    for (int x = 0; x <= layout::window.width(); x += 10) {
        const int at = window.left() + x * Scale;
        const int length = x % 50 == 0 ? 10 : 5;
        p.drawLine(at, window.top() - length, at, window.top() - 1);
        if (x % 50 == 0)
            p.drawText(QRect(at - 20, window.top() - RulerDepth, 40, 16), Qt::AlignCenter,
                       QString::number(x));
    }
    for (int y = 0; y <= layout::window.height(); y += 10) {
        const int at = window.top() + y * Scale;
        const int length = y % 50 == 0 ? 10 : 5;
        p.drawLine(window.left() - length, at, window.left() - 1, at);
        if (y % 50 == 0)
            p.drawText(QRect(0, at - 8, window.left() - 14, 16), Qt::AlignVCenter | Qt::AlignRight,
                       QString::number(y));
    }
    p.restore();
}

void drawFixedElements(QPainter& p) {
    outline(p, layout::dragStrip, kFixed);
    centredLines(p, onPicture(layout::dragStrip),
                 {{QStringLiteral("recDragWindow  ") + place(layout::dragStrip) +
                       QStringLiteral("  \u00b7  drag here to move the window"),
                   font(14, true), kFixed}});
    outline(p, layout::videoArea, kFixed);
    labelInside(p, layout::videoArea, QStringLiteral("picShowPictures (video area)"), kFixed,
                {QStringLiteral("logo.bmp and the slides are stretched over it;"),
                 QStringLiteral("the movie plays here and the information document shows here")},
                19);
    outline(p, layout::titleArea, kFixed);
    labelInside(p, layout::titleArea, QStringLiteral("picTitle"), kFixed,
                {QStringLiteral("title.bmp, shown at"), QStringLiteral("its own size")}, 14, true);
    // The window's own line sits in the strip below the video area, right of the console.
    const QRect strip(140, 404, 388, 27);
    centredLines(p, onPicture(strip),
                 {{QStringLiteral("window  0,0  699\u00d7432"), font(15, true), kInk},
                  {QStringLiteral("back.bmp from the top-left corner; transp.bmp cuts the outline"),
                   font(12), kInk}});
}

void drawButtons(QPainter& p) {
    for (const ButtonRow& row : Buttons)
        outline(p, row.rect, colourOf(row.kind));
    for (const ButtonRow& row : Buttons)
        if (row.kind == ButtonKind::Action)
            labelInside(p, row.rect, QString::fromUtf8(row.name), kAction, {picturesOf(row)}, 14,
                        true);

    // Title bar: the row nearest the window belongs to the leftmost button on the right, so that
    // no line crosses a label; btnMenu stands alone on the left.
    const int nearTop = MarginTop - RulerDepth - 16;
    int rightRow = 0;
    for (const ButtonRow& row : Buttons) {
        if (row.kind != ButtonKind::TitleBar)
            continue;
        const bool onLeft = row.rect.center().x() < layout::window.width() / 2;
        const int rowY = onLeft ? nearTop : nearTop - CalloutRow * rightRow++;
        callout(p, row.rect, rowY, onLeft, calloutText(row), kTitleBar);
    }

    // Console: the row nearest the window belongs to the rightmost button.
    const int nearBottom = MarginTop + layout::window.height() * Scale + 22;
    int consoleCount = 0;
    for (const ButtonRow& row : Buttons)
        if (row.kind == ButtonKind::Console)
            ++consoleCount;
    int index = 0;
    for (const ButtonRow& row : Buttons) {
        if (row.kind != ButtonKind::Console)
            continue;
        const int rowY = nearBottom + CalloutRow * (consoleCount - 1 - index++);
        callout(p, row.rect, rowY, true, calloutText(row), kConsole);
    }
}

void drawLegend(QPainter& p, const QRect& box) {
    struct Entry {
        QColor colour;
        QString text;
    };
    const std::array<Entry, 4> entries{{
        {kAction, QStringLiteral("side buttons: 0 released while what it needs is missing "
                                 "(codec, player, start), 1 released, 2 pressed")},
        {kTitleBar, QStringLiteral("title-bar buttons: released shows back.bmp, pressed "
                                   "menu0..3.bmp (optional: all four or none)")},
        {kConsole, QStringLiteral("playback buttons: released shows back.bmp, pressed "
                                  "console0..4.bmp")},
        {kFixed, QStringLiteral("fixed elements")},
    }};
    p.save();
    int y = box.top();
    for (const Entry& entry : entries) {
        p.fillRect(QRect(box.left(), y + 3, 14, 14), entry.colour);
        p.setFont(font(13));
        p.setPen(kInk);
        p.drawText(QRect(box.left() + 22, y, box.width() - 22, 20),
                   Qt::AlignVCenter | Qt::AlignLeft, entry.text);
        y += 24;
    }
    p.setFont(font(13, true));
    p.drawText(QRect(box.left(), y + 4, box.width(), 20), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("All numbers are window pixels: left,top  width\u00d7height. "
                              "Drawn at twice the size."));
    p.restore();
}

} // namespace

QImage drawLayoutPicture() {
    const QSize size(MarginLeft + layout::window.width() * Scale + MarginRight,
                     MarginTop + layout::window.height() * Scale + MarginBottom);
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(246, 247, 250));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    p.setFont(font(20, true));
    p.setPen(kInk);
    p.drawText(QRect(MarginLeft, 10, 900, 28), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Vistrel: the main window, 699\u00d7432 pixels"));

    drawGrid(p);
    drawRulers(p);
    drawFixedElements(p);
    drawButtons(p);

    const QRect window = onPicture(QRect(QPoint(0, 0), layout::window));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(window.adjusted(-1, -1, 0, 0));

    drawLegend(p, QRect(MarginLeft + 330 * Scale, window.bottom() + 24,
                        size.width() - MarginLeft - 330 * Scale - MarginRight, 140));
    return image;
}

bool writeLayoutPicture(const QString& path, QString& error) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        error = "cannot make the folder " + folder;
        return false;
    }
    if (!drawLayoutPicture().save(path, "PNG")) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

} // namespace vistrel::discgen
