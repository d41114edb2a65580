#include "GraphObj.h"

#include "Canvas.h"
#include "platform/CourseError.h"

#include <QRect>

void TGraphObj::SetGraphic(const QImage& png)
{
    if (png.isNull())
        throw TCourseError("Error in TGraphObj : not valid graphic setted ");
    picture_ = png;
    background_ = QImage(png.size(), QImage::Format_RGB888);
}

void TGraphObj::SetPosition(const QPoint& topLeft)
{
    x_ = topLeft.x();
    y_ = topLeft.y();
}

void TGraphObj::SetCanvas(TCanvas* canvas)
{
    canvas_ = canvas;
}

TCanvas& TGraphObj::Target() const
{
    if (!canvas_)
        throw TCourseError("Error in TGraphObj : no canvas setted ");
    return *canvas_;
}

void TGraphObj::Show()
{
    if (picture_.isNull())
        throw TCourseError("Error in TGraphObj : not valid graphic setted ");
    TCanvas& canvas = Target();
    background_ = canvas.CopyRect(QRect(QPoint(x_, y_), picture_.size()));
    canvas.Draw(x_, y_, picture_);
    drawn_ = true;
}

void TGraphObj::Hide()
{
    if (!drawn_)
        return;
    Target().Restore(x_, y_, background_);
    drawn_ = false;
}
