#pragma once

#include <QColor>

class QPainter;
class QRect;

// The classic desktop's raised grey face: light top and left edges, dark right and bottom ones.
// Panels, cards, message dialogs and the title-bar buttons share it.
namespace RaisedFrame {
inline const QColor Face(212, 208, 200);
// A pressed face swaps the edges' colours.
void Draw(QPainter& painter, const QRect& bounds, bool pressed = false);
} // namespace RaisedFrame
