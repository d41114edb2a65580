#include "RaisedFrame.h"

#include <QPainter>

namespace RaisedFrame {

void Draw(QPainter& painter, const QRect& bounds, bool pressed)
{
    const QColor light = Qt::white;
    const QColor dark(64, 64, 64);
    painter.fillRect(bounds, Face);
    painter.setPen(pressed ? dark : light);
    painter.drawLine(bounds.topLeft(), bounds.topRight());
    painter.drawLine(bounds.topLeft(), bounds.bottomLeft());
    painter.setPen(pressed ? light : dark);
    painter.drawLine(bounds.topRight(), bounds.bottomRight());
    painter.drawLine(bounds.bottomLeft(), bounds.bottomRight());
}

} // namespace RaisedFrame
