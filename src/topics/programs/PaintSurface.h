#pragma once

#include "BrushPrint.h"

#include <QImage>
#include <QWidget>
#include <functional>

// The paint program's drawing surface: a white picture of the surface's size that keeps what was
// drawn while the window is hidden. The mouse's presses, moves (with a button held) and releases
// are reported in surface coordinates.
class TPaintSurface : public QWidget {
    Q_OBJECT
public:
    TPaintSurface(QWidget* parent, const QRect& geometry);

    const QImage& Image() const { return image_; }
    void Print(QPoint at, int size, BrushPrint::TKind kind, const QColor& colour);
    void Clear();

    std::function<void(QPoint)> OnMouseDown;
    std::function<void(QPoint)> OnMouseMove;
    std::function<void(QPoint)> OnMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage image_;
};
