#include "ColourPalette.h"

#include "framework/RaisedFrame.h"
#include "platform/ErrorReport.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int Columns = 2;
constexpr int Gap = 3;
} // namespace

TColourPalette::TColourPalette(QWidget* parent, const QRect& geometry)
    : QWidget(parent),
      colours_{{0, 0, 0},       {255, 255, 255}, {128, 128, 128}, {192, 192, 192}, {128, 0, 0},
               {255, 0, 0},     {128, 128, 0},   {255, 255, 0},   {0, 128, 0},     {0, 255, 0},
               {0, 128, 128},   {0, 255, 255},   {0, 0, 128},     {0, 0, 255},     {128, 0, 128},
               {255, 0, 255},   {128, 64, 0},    {255, 128, 0},   {0, 64, 64},     {128, 255, 128},
               {0, 128, 255},   {128, 255, 255}, {255, 128, 192}, {255, 255, 128}}
{
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
}

QRect TColourPalette::CellRect(int index) const
{
    const int rows = (Count() + Columns - 1) / Columns;
    const int width = (this->width() - (Columns + 1) * Gap) / Columns;
    const int height = (this->height() - (rows + 1) * Gap) / rows;
    const int column = index % Columns;
    const int row = index / Columns;
    return {Gap + column * (width + Gap), Gap + row * (height + Gap), width, height};
}

std::optional<QColor> TColourPalette::Chosen() const
{
    if (chosen_ < 0)
        return std::nullopt;
    return Colour(chosen_);
}

void TColourPalette::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), RaisedFrame::Face);
    for (int i = 0; i < Count(); ++i) {
        const QRect cell = CellRect(i);
        RaisedFrame::Draw(painter, cell, true);
        painter.fillRect(cell.adjusted(2, 2, -2, -2), Colour(i));
    }
    if (chosen_ < 0)
        return;
    // The chosen cell is framed black and white, seen on every colour.
    const QRect frame = CellRect(chosen_).adjusted(-2, -2, 1, 1);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(frame);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(frame.adjusted(1, 1, -1, -1));
}

void TColourPalette::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    for (int i = 0; i < Count(); ++i) {
        if (!CellRect(i).contains(event->position().toPoint()))
            continue;
        chosen_ = i;
        update();
        if (OnChoose)
            Guarded([&] { OnChoose(Colour(i)); });
        return;
    }
}
