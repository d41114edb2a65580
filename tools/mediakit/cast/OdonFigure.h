#pragma once

#include "CastFigure.h"

// Kábel Ödön: the friendly teacher. Round glasses, a grey moustache and a curl on his bald
// crown, a brown jacket over a mustard waistcoat, a dotted bow tie, and a cable for a watch
// chain with its plug peeping out of the pocket.
class TOdonFigure : public TCastFigure {
public:
    void PaintFigure(QPainter& painter, const TCastPose& pose) const override;
    void PaintHead(QPainter& painter, const TCastPose& pose) const override;
};
