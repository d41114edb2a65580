#pragma once

class QPainter;
class QRect;

// The classic desktop's raised grey face: light top and left edges, dark right and bottom ones.
// Panels, cards and message dialogs share it.
namespace RaisedFrame {
void Draw(QPainter& painter, const QRect& bounds);
} // namespace RaisedFrame
