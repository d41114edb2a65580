#pragma once

#include "CastFigure.h"

// Digit Nóra: a girl with auburn pigtails, a pink T-shirt with a star and a violet pleated skirt.
class TNoraFigure : public TCastFigure {
public:
    void PaintFigure(QPainter& painter, const TCastPose& pose) const override;
    void PaintHead(QPainter& painter, const TCastPose& pose) const override;
};
