#pragma once

#include "CastPose.h"

#include <QPointF>

class QPainter;

// One guide's drawing in model units shared by the whole cast (a child is about 290 units
// tall): the feet stand on y = 0, the figure's middle is x = 0, y grows downwards.
class TCastFigure {
public:
    virtual ~TCastFigure() = default;
    virtual void PaintFigure(QPainter& painter, const TCastPose& pose) const = 0;
    // The head alone, anywhere in model space: callers measure it and centre it.
    virtual void PaintHead(QPainter& painter, const TCastPose& pose) const = 0;

protected:
    // The head as part of the figure: its own middle on centre, scaled from the head's own size.
    void PaintHeadAt(QPainter& painter, const TCastPose& pose, QPointF centre, double scale = 1) const;
};
