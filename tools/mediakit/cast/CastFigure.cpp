#include "CastFigure.h"

#include <QPainter>

void TCastFigure::PaintHeadAt(QPainter& painter, const TCastPose& pose, QPointF centre, double scale) const
{
    painter.save();
    painter.translate(centre);
    painter.scale(scale, scale);
    PaintHead(painter, pose);
    painter.restore();
}
