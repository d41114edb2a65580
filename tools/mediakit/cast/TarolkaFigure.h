#pragma once

#include "CastFigure.h"

// Tárolka: a friendly orange storage box, a disk drive with a slot, an eject button and a green
// light, with a face on its front, short arms and legs.
class TTarolkaFigure : public TCastFigure {
public:
    void PaintFigure(QPainter& painter, const TCastPose& pose) const override;
    void PaintHead(QPainter& painter, const TCastPose& pose) const override;
};
