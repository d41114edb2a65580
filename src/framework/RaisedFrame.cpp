#include "RaisedFrame.h"

#include <QPainter>

namespace RaisedFrame {

void Draw(QPainter& painter, const QRect& bounds)
{
    painter.fillRect(bounds, QColor(212, 208, 200));
    painter.setPen(Qt::white);
    painter.drawLine(bounds.topLeft(), bounds.topRight());
    painter.drawLine(bounds.topLeft(), bounds.bottomLeft());
    painter.setPen(QColor(64, 64, 64));
    painter.drawLine(bounds.topRight(), bounds.bottomRight());
    painter.drawLine(bounds.bottomLeft(), bounds.bottomRight());
}

} // namespace RaisedFrame
