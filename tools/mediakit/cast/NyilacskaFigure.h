#pragma once

#include "CastFigure.h"

// Nyilacska: a white mouse pointer with a black rim, a face, thin arms with white gloves and
// legs in blue sneakers. Its tip points up and to the left, as the pointer on the screen does;
// mirrored, it points to the right.
class TNyilacskaFigure : public TCastFigure {
public:
    void PaintFigure(QPainter& painter, const TCastPose& pose) const override;
    void PaintHead(QPainter& painter, const TCastPose& pose) const override;
};
