#pragma once

#include "CastFigure.h"

// Pixeles Tivadar: a boy in a red cap, a green T-shirt with a pixel smiley, jeans and sneakers.
class TTivadarFigure : public TCastFigure {
public:
    void PaintFigure(QPainter& painter, const TCastPose& pose) const override;
    void PaintHead(QPainter& painter, const TCastPose& pose) const override;
    // His arms alone, where the figure paints them, for a picture that puts something between
    // his body and his hands (a desk he reaches over).
    void PaintArms(QPainter& painter, const TCastPose& pose) const;
};
