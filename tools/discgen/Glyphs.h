#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace vistrel::discgen {

enum class Glyph {
    Backward,
    Play,
    Pause,
    Stop,
    Forward, // playback console
    Menu,
    Minimize,
    Maximize,
    Close, // title bar
    Codec,
    Player,
    Info,
    StartMovie,
    Explore,
    Exit // action buttons
};

// A small vector symbol centred in box, in one colour.
void drawGlyph(QPainter& painter, Glyph glyph, const QRectF& box, const QColor& colour);

} // namespace vistrel::discgen
