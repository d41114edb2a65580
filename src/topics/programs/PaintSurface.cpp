#include "PaintSurface.h"

#include "platform/ErrorReport.h"

#include <QMouseEvent>
#include <QPainter>

TPaintSurface::TPaintSurface(QWidget* parent, const QRect& geometry)
    : QWidget(parent), image_(geometry.size(), QImage::Format_RGB32)
{
    setGeometry(geometry);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    image_.fill(Qt::white);
}

void TPaintSurface::Print(QPoint at, int size, BrushPrint::TKind kind, const QColor& colour)
{
    BrushPrint::Draw(image_, at, size, kind, colour);
    update(BrushPrint::Bounds(at, size));
}

void TPaintSurface::Clear()
{
    image_.fill(Qt::white);
    update();
}

void TPaintSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), image_, event->rect());
}

void TPaintSurface::mousePressEvent(QMouseEvent* event)
{
    if (OnMouseDown)
        Guarded([&] { OnMouseDown(event->position().toPoint()); });
}

void TPaintSurface::mouseMoveEvent(QMouseEvent* event)
{
    if (OnMouseMove)
        Guarded([&] { OnMouseMove(event->position().toPoint()); });
}

void TPaintSurface::mouseReleaseEvent(QMouseEvent* event)
{
    if (OnMouseUp)
        Guarded([&] { OnMouseUp(event->position().toPoint()); });
}
