#include "SkinArt.h"

#include "Fonts.h"
#include "Glyphs.h"
#include "Layout.h"

#include "skin/SkinFiles.h"
#include "window/Buttons.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace vistrel::discgen {

namespace {

// What the sample art draws on each button: its symbol and, on the side buttons, its label.
struct ButtonArt {
    ButtonId button;
    Glyph glyph;
    const char* label;
};
const ButtonArt kButtonArt[] = {
    {ButtonId::btnMenu, Glyph::Menu, ""},
    {ButtonId::btnMinimize, Glyph::Minimize, ""},
    {ButtonId::btnMaximize, Glyph::Maximize, ""},
    {ButtonId::btnClose, Glyph::Close, ""},
    {ButtonId::btnInstallCodec, Glyph::Codec, "Install codec"},
    {ButtonId::btnInstallPlayer, Glyph::Player, "Install player"},
    {ButtonId::btnInfo, Glyph::Info, "Information"},
    {ButtonId::btnStartPlayer, Glyph::StartMovie, "Start movie"},
    {ButtonId::btnExplore, Glyph::Explore, "Explore disc"},
    {ButtonId::btnExit, Glyph::Exit, "Exit"},
    {ButtonId::btnBackward, Glyph::Backward, ""},
    {ButtonId::btnPlay, Glyph::Play, ""},
    {ButtonId::btnPause, Glyph::Pause, ""},
    {ButtonId::btnStop, Glyph::Stop, ""},
    {ButtonId::btnForward, Glyph::Forward, ""},
};

// A button without art of its own is drawn with its name and no symbol.
const ButtonArt* artOf(ButtonId button) {
    for (const ButtonArt& art : kButtonArt)
        if (art.button == button)
            return &art;
    return nullptr;
}

void drawButtonGlyph(QPainter& p, ButtonId button, const QRectF& box, const QColor& colour) {
    if (const ButtonArt* art = artOf(button))
        drawGlyph(p, art->glyph, box, colour);
}

QString labelOf(ButtonId button) {
    if (const ButtonArt* art = artOf(button))
        return QString::fromLatin1(art->label);
    return QString::fromLatin1(buttonRow(button).name).mid(3);
}

QImage canvas(QSize size, const QColor& fill = Qt::black) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// A one-pixel bevel: raised (light top-left) or sunken (dark top-left).
void bevel(QPainter& p, const QRect& r, const Theme& t, bool raised) {
    const QColor topLeft = raised ? t.bevelLight : t.bevelDark;
    const QColor bottomRight = raised ? t.bevelDark : t.bevelLight;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(topLeft);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.restore();
}

QPainterPath cornersPath(const Theme& t) {
    const QRectF r(QPointF(0, 0), layout::window);
    QPainterPath path;
    if (t.corners == Theme::Corners::Rounded) {
        path.addRoundedRect(r, t.cornerSize, t.cornerSize);
        return path;
    }
    // Small cuts at the top, where the title-bar buttons sit in the corners; large ones below.
    const qreal top = t.cornerSize / 3.0;
    const qreal bottom = t.cornerSize;
    path.moveTo(top, 0);
    path.lineTo(r.width() - top, 0);
    path.lineTo(r.width(), top);
    path.lineTo(r.width(), r.height() - bottom);
    path.lineTo(r.width() - bottom, r.height());
    path.lineTo(bottom, r.height());
    path.lineTo(0, r.height() - bottom);
    path.lineTo(0, top);
    path.closeSubpath();
    return path;
}

QPainterPath cutOuts(const Theme& t) {
    QPainterPath cuts;
    if (t.corners == Theme::Corners::Rounded) {
        // A notch in the bottom edge between the console and the side panel.
        cuts.addRoundedRect(QRectF(262, 426, 176, 20), 6, 6);
    } else {
        // A notch in the left edge and a round hole through the side panel.
        cuts.addRect(QRectF(-1, 150, 6, 130));
        cuts.addEllipse(QPointF(612, 270), 9, 9);
    }
    return cuts;
}

void drawTitleBarStrip(QPainter& p, const Theme& t) {
    const QRect strip(0, 0, layout::window.width(), 18);
    p.fillRect(strip, vertical(strip, t.titleBar.lighter(130), t.titleBar));
    p.setPen(t.bevelDark);
    p.drawLine(0, 17, layout::window.width(), 17);
    p.setFont(font(11, true));
    p.setPen(t.corners == Theme::Corners::Rounded ? QColor(236, 242, 250) : t.accent);
    p.drawText(QRect(26, 0, 400, 17), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Vistrel \u2013 Sample Disc"));
    for (const ButtonRow& row : Buttons) {
        if (row.kind != ButtonKind::TitleBar)
            continue;
        const QRect button = row.rect.adjusted(1, 1, -2, -2);
        p.fillRect(button, vertical(button, t.buttonTop, t.buttonBottom));
        bevel(p, button, t, true);
        drawButtonGlyph(p, row.id, QRectF(button).adjusted(3.5, 3.5, -3, -3), t.text);
    }
}

void drawVideoBezel(QPainter& p, const Theme& t) {
    const QRect bezel = layout::videoArea.adjusted(-3, -3, 3, 3);
    p.fillRect(bezel, t.panel);
    bevel(p, bezel, t, false);
    bevel(p, bezel.adjusted(1, 1, -1, -1), t, false);
    p.fillRect(layout::videoArea, QColor(8, 8, 12));
}

void drawSidePanel(QPainter& p, const Theme& t) {
    const QRect panel(537, 118, 152, 300);
    p.fillRect(panel, vertical(panel, t.panel.lighter(110), t.panel));
    bevel(p, panel, t, false);
    const QRect titleFrame = layout::titleArea.adjusted(-2, -2, 2, 2);
    p.fillRect(titleFrame, t.panel);
    bevel(p, titleFrame, t, false);
    for (const ButtonRow& row : Buttons) {
        if (row.kind != ButtonKind::Action)
            continue;
        const QRect slot = row.rect.adjusted(-1, -1, 1, 1);
        p.fillRect(slot, t.panel.darker(115));
        bevel(p, slot, t, false);
    }
    // Between the information buttons and the movie buttons.
    p.setPen(t.bevelDark);
    p.drawLine(550, 270, 598, 270);
    p.drawLine(626, 270, 676, 270);
    p.setPen(t.bevelLight);
    p.drawLine(550, 271, 598, 271);
    p.drawLine(626, 271, 676, 271);
    p.setRenderHint(QPainter::Antialiasing);
    if (t.corners == Theme::Corners::Chamfered) {
        p.setPen(QPen(t.accent, 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(612, 270), 11, 11);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(t.accent);
        p.drawEllipse(QPointF(612, 270.5), 4, 4);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

void drawConsole(QPainter& p, const Theme& t) {
    const QRect strip(14, 405, 119, 17);
    p.fillRect(strip, t.panel);
    bevel(p, strip, t, false);
    for (const ButtonRow& row : Buttons) {
        if (row.kind != ButtonKind::Console)
            continue;
        const QRect face = row.rect.adjusted(0, 0, -1, -1);
        p.fillRect(face, vertical(face, t.buttonTop, t.buttonBottom));
        bevel(p, face, t, true);
        drawButtonGlyph(p, row.id, QRectF(row.rect).adjusted(6, 2.5, -6, -2.5), t.text);
    }
    p.setFont(font(10));
    p.setPen(t.dimText);
    p.drawText(QRect(146, 405, 110, 17), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("VISTREL PLAYER"));
}

void drawLabel(QPainter& p, const QRect& r, const QString& text, const QColor& colour) {
    p.setFont(font(11, true));
    p.setPen(colour);
    p.drawText(r, Qt::AlignVCenter | Qt::AlignLeft, text);
}

} // namespace

QPainterPath windowOutline(const Theme& theme) {
    return cornersPath(theme).subtracted(cutOuts(theme));
}

QImage drawMask(const Theme& theme) {
    QImage mask = canvas(layout::window);
    QPainter p(&mask);
    // Hard edges: every pixel is black (outside) or white (inside).
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillPath(windowOutline(theme), Qt::white);
    p.end();
    if (theme.monochromeMask)
        return mask.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    return mask;
}

QImage drawBackground(const Theme& t) {
    QImage image = canvas(layout::window);
    QPainter p(&image);
    const QPainterPath outline = windowOutline(t);
    p.setClipPath(outline);
    p.fillRect(image.rect(), vertical(image.rect(), t.bodyTop, t.bodyBottom));
    drawTitleBarStrip(p, t);
    drawVideoBezel(p, t);
    drawSidePanel(p, t);
    drawConsole(p, t);
    p.setClipping(false);
    // A dark rim along the outline so the shaped edge reads cleanly.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(t.bevelDark, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    return image;
}

QImage drawActionButton(const Theme& t, ButtonId button, int state) {
    QImage image = canvas(buttonRow(button).rect.size());
    QPainter p(&image);
    const QRect face = image.rect().adjusted(0, 0, -1, -1);
    const int shift = state == 2 ? 1 : 0;
    if (state == 0) {
        p.fillRect(face, vertical(face, t.panel.lighter(125), t.panel));
        bevel(p, face, t, true);
    } else if (state == 1) {
        p.fillRect(face, vertical(face, t.buttonTop, t.buttonBottom));
        bevel(p, face, t, true);
    } else {
        p.fillRect(face, vertical(face, t.buttonBottom.darker(115), t.buttonTop.darker(105)));
        bevel(p, face, t, false);
    }
    const QColor glyphColour = state == 0 ? t.dimText : t.accent;
    drawButtonGlyph(p, button, QRectF(6 + shift, 5 + shift, 19, 19), glyphColour);
    const QColor textColour = state == 0 ? t.dimText : (state == 2 ? t.accent : t.text);
    drawLabel(p, QRect(32 + shift, shift, 100, 29), labelOf(button), textColour);
    if (state == 0) {
        // Not available here: a small warning mark at the right end.
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(214, 64, 48));
        p.drawEllipse(QPointF(126, 14.5), 6, 6);
        p.setPen(Qt::white);
        p.setFont(font(10, true));
        p.drawText(QRectF(120, 8.5, 12, 12), Qt::AlignCenter, QStringLiteral("!"));
    }
    return image;
}

QImage drawConsolePressed(const Theme& t, ButtonId button) {
    QImage image = canvas(buttonRow(button).rect.size());
    QPainter p(&image);
    const QRect face = image.rect().adjusted(0, 0, -1, -1);
    p.fillRect(face, vertical(face, t.buttonBottom.darker(120), t.buttonTop.darker(110)));
    bevel(p, face, t, false);
    drawButtonGlyph(p, button, QRectF(7, 3.5, 9, 5), t.accent);
    return image;
}

QImage drawMenuPressed(const Theme& t, ButtonId button) {
    QImage image = canvas(buttonRow(button).rect.size(), t.titleBar);
    QPainter p(&image);
    const QRect face = image.rect().adjusted(1, 1, -2, -2);
    p.fillRect(face, vertical(face, t.accent.darker(130), t.accent));
    bevel(p, face, t, false);
    drawButtonGlyph(p, button, QRectF(face).adjusted(4, 4, -2.5, -2.5), Qt::white);
    return image;
}

QImage drawLogo(const Theme& t) {
    const QSize size = layout::videoArea.size();
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(size.width() / 2.0, size.height() * 0.42), size.width() * 0.7);
    glow.setColorAt(0, t.accent.lighter(150));
    glow.setColorAt(0.45, t.accent.darker(160));
    glow.setColorAt(1, QColor(6, 8, 14));
    p.fillRect(image.rect(), glow);
    // Film perforations along the top and bottom edges.
    p.setPen(Qt::NoPen);
    p.fillRect(QRect(0, 0, size.width(), 26), QColor(10, 10, 14));
    p.fillRect(QRect(0, size.height() - 26, size.width(), 26), QColor(10, 10, 14));
    p.setBrush(QColor(220, 220, 228));
    for (int x = 10; x < size.width(); x += 24) {
        p.drawRoundedRect(QRectF(x, 7, 12, 12), 2, 2);
        p.drawRoundedRect(QRectF(x, size.height() - 19, 12, 12), 2, 2);
    }
    p.setFont(font(72, true));
    p.setPen(QColor(0, 0, 0, 90));
    const QRect titleBox(0, 100, size.width(), 110);
    p.drawText(titleBox.translated(3, 3), Qt::AlignCenter, QStringLiteral("Vistrel"));
    p.setPen(Qt::white);
    p.drawText(titleBox, Qt::AlignCenter, QStringLiteral("Vistrel"));
    p.setFont(font(20));
    p.setPen(QColor(255, 255, 255, 210));
    p.drawText(QRect(0, 210, size.width(), 34), Qt::AlignCenter,
               QStringLiteral("Sample Video Disc"));
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(size.width() / 2.0, 290), 26, 26);
    p.setBrush(t.accent.darker(140));
    p.drawPolygon(QPolygonF() << QPointF(size.width() / 2.0 - 8, 276)
                              << QPointF(size.width() / 2.0 + 14, 290)
                              << QPointF(size.width() / 2.0 - 8, 304));
    return image;
}

QImage drawTitle(const Theme& t) {
    const QSize size = layout::titleArea.size();
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), vertical(image.rect(), t.titleBar.lighter(140), t.titleBar));
    p.setFont(font(30, true));
    p.setPen(Qt::white);
    p.drawText(QRect(0, 8, size.width(), 44), Qt::AlignCenter, QStringLiteral("Vistrel"));
    p.fillRect(QRect(22, 54, size.width() - 44, 2), t.accent);
    p.setFont(font(11));
    p.setPen(QColor(230, 230, 236));
    p.drawText(QRect(0, 58, size.width(), 22), Qt::AlignCenter, QStringLiteral("Sample Disc"));
    return image;
}

QImage drawSkinPicture(const Theme& theme, const SkinPart& part, int index) {
    switch (part.role) {
    case SkinRole::Background:
        return drawBackground(theme);
    case SkinRole::Outline:
        return drawMask(theme);
    case SkinRole::Logo:
        return drawLogo(theme);
    case SkinRole::Title:
        return drawTitle(theme);
    case SkinRole::Buttons:
        break;
    }
    const ButtonId button = buttonOf(part, index);
    switch (part.kind) {
    case ButtonKind::Action:
        return drawActionButton(theme, button, index);
    case ButtonKind::Console:
        return drawConsolePressed(theme, button);
    case ButtonKind::TitleBar:
        break;
    }
    return drawMenuPressed(theme, button);
}

bool writeSkin(const QString& skinsFolder, const Theme& t, QString& error) {
    const QString dir = skinsFolder + "/" + t.folder + "/";
    if (!QDir().mkpath(dir)) {
        error = "cannot make the folder " + dir;
        return false;
    }
    for (const SkinPart& part : SkinFiles) {
        // A theme without title-bar looks leaves none behind from an earlier run either.
        const bool drawn =
            part.role != SkinRole::Buttons || part.kind != ButtonKind::TitleBar || t.menuLooks;
        for (int i = 0; i < pictureCount(part); ++i) {
            const QString path = dir + skinFileName(part, i);
            if (!drawn) {
                QFile::remove(path);
            } else if (!drawSkinPicture(t, part, i).save(path, "BMP")) {
                error = "cannot write " + path;
                return false;
            }
        }
    }
    return true;
}

} // namespace vistrel::discgen
