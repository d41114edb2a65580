#pragma once

#include "CastFigure.h"

// Lemezke: a cream-coloured dog with floppy brown ears, a round disc-shaped spot on his side and
// a shiny disc hanging on his red collar. He stands facing the picture's right, head turned to
// us; he lifts his near front paw where the others lift an arm and wags his tail.
class TLemezkeFigure : public TCastFigure {
public:
    void PaintFigure(QPainter& painter, const TCastPose& pose) const override;
    void PaintHead(QPainter& painter, const TCastPose& pose) const override;
};
