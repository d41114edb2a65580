#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>

class QImage;

// One print of the paint program's brush: a filled circle or square of size s around the pointer,
// spanning X - s div 2 ... X + s div 2 and Y - s div 2 ... Y + s div 2 (both ends included).
namespace BrushPrint {

enum class TKind { Round, Square };

QRect Bounds(QPoint at, int size);
void Draw(QImage& image, QPoint at, int size, TKind kind, const QColor& colour);

} // namespace BrushPrint
