#include "NyilacskaFigure.h"

#include "CastInk.h"

#include <QLinearGradient>
#include <QPainter>

using namespace CastInk;

namespace {

// The pointer is laid out on a grid of Unit model units, like the pixels of a real cursor.
const double Unit = 8.5;
const double Line = 3;
const QColor Limbs(0x4a, 0x40, 0x48);
const QColor Glove(0xfb, 0xfb, 0xfb);
const QColor Sneaker(0x2f, 0x8f, 0xe0);
// Where the pointer stands in the figure: its grid origin (the tip) relative to the feet.
const QPointF Origin(-4.6 * Unit, -22.6 * Unit);
const double Tilt = -8;

QPainterPath Pointer()
{
    QPainterPath arrow;
    arrow.moveTo(0, 0);
    arrow.lineTo(0, 16.2 * Unit);
    arrow.lineTo(4.1 * Unit, 12.5 * Unit);
    arrow.lineTo(6.9 * Unit, 18.7 * Unit);
    arrow.lineTo(9.7 * Unit, 17.5 * Unit);
    arrow.lineTo(6.9 * Unit, 11.6 * Unit);
    arrow.lineTo(11.8 * Unit, 11.6 * Unit);
    arrow.closeSubpath();
    return arrow;
}

// The grid point the body turns and bows about.
QPointF Pivot()
{
    return QPointF(5 * Unit, 17 * Unit);
}

// The pointer with its face, in grid coordinates.
void PaintPointer(QPainter& painter, const TCastPose& pose)
{
    const QPainterPath arrow = Pointer();
    // Round the corners by stroking the shape with a wide round-joined pen, rim first.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Outline(), Line * 2 + 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(arrow);
    QLinearGradient light(QPointF(0, 0), QPointF(9 * Unit, 18 * Unit));
    light.setColorAt(0, Qt::white);
    light.setColorAt(0.6, QColor(0xf4, 0xf7, 0xfb));
    light.setColorAt(1, QColor(0xcf, 0xdc, 0xec));
    painter.setPen(QPen(QBrush(light), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(light);
    painter.drawPath(arrow);
    const QPainterPath gleam = Segment(QPointF(1.3 * Unit, 3.2 * Unit), QPointF(1.3 * Unit, 7.5 * Unit));
    painter.setPen(QPen(QColor(0xcf, 0xe0, 0xf5), Line * 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(gleam);

    const double dx = pose.headTurn * 1.0 * Unit;
    const double dy = pose.headNod * 0.7 * Unit;
    const TEyeStyle eye{.rx = 0.85 * Unit, .ry = 1.15 * Unit, .cartoon = true, .outline = Line * 0.9};
    for (double x : {2.5, 5.6}) {
        const QPointF centre(x * Unit + dx, 8.9 * Unit + dy);
        Blush(painter, centre + QPointF((x < 4 ? -0.2 : 0.9) * Unit, 2.0 * Unit), 1.0 * Unit, 0.6 * Unit);
        Eye(painter, centre, eye, pose);
        Brow(painter, centre + QPointF(0.1 * Unit, -1.7 * Unit), 1.3 * Unit, 2.4, x < 4 ? 1 : -1, Outline(), pose);
    }
    Mouth(painter, QPointF(4.2 * Unit + dx, 11.0 * Unit + dy), 2.1 * Unit, pose, Line);
}

// Places the grid in the figure and applies the whole-body tilt and bow.
void EnterGrid(QPainter& painter, const TCastPose& pose)
{
    painter.translate(Origin + Pivot());
    painter.rotate(Tilt + pose.headTilt * 0.8 + pose.bodyLean);
    painter.scale(1, 1 - 0.06 * pose.headNod);
    painter.translate(-Pivot());
}

QPointF GridToFigure(const TCastPose& pose, QPointF grid)
{
    QTransform transform;
    transform.translate(Origin.x() + Pivot().x(), Origin.y() + Pivot().y());
    transform.rotate(Tilt + pose.headTilt * 0.8 + pose.bodyLean);
    transform.scale(1, 1 - 0.06 * pose.headNod);
    transform.translate(-Pivot().x(), -Pivot().y());
    return transform.map(grid);
}

} // namespace

void TNyilacskaFigure::PaintFigure(QPainter& painter, const TCastPose& pose) const
{
    const QPointF hips[2] = {GridToFigure(pose, QPointF(1.6 * Unit, 14.6 * Unit)),
                             GridToFigure(pose, QPointF(8.3 * Unit, 18.1 * Unit))};
    const double feetX[2] = {-17, 19};
    for (int i = 0; i < 2; ++i) {
        const double side = i == 0 ? -1 : 1;
        QPainterPath leg;
        leg.moveTo(hips[i]);
        leg.quadTo(QPointF((hips[i].x() + feetX[i]) / 2 - side * 3, (hips[i].y() - 12) / 2), QPointF(feetX[i], -12));
        Limb(painter, leg, 6.5, Limbs, 0);
        QPainterPath shoe;
        const double x = feetX[i];
        shoe.moveTo(x - side * 8, -1);
        shoe.cubicTo(x - side * 10, -14, x + side * 4, -17, x + side * 11, -13);
        shoe.cubicTo(x + side * 20, -9, x + side * 22, -4, x + side * 19, -1);
        shoe.closeSubpath();
        Shape(painter, shoe, Sneaker, Line);
        painter.setPen(QPen(Qt::white, Line * 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(x - side * 7, -3), QPointF(x + side * 18, -3));
    }

    painter.save();
    EnterGrid(painter, pose);
    PaintPointer(painter, pose);
    painter.restore();

    const TArmStyle arm{.upper = 24, .fore = 22, .width = 5.5, .skin = Limbs, .hand = Glove, .handSize = 10,
                        .outline = Line * 0.4};
    // The arms grow from the pointer's left edge and from the corner of its right wing.
    TCastArm left = pose.leftArm;
    left.shoulder += 8;
    Arm(painter, GridToFigure(pose, QPointF(0.1 * Unit, 10.6 * Unit)), left, false, arm);
    Arm(painter, GridToFigure(pose, QPointF(10.4 * Unit, 11.3 * Unit)), pose.rightArm, true, arm);
}

void TNyilacskaFigure::PaintHead(QPainter& painter, const TCastPose& pose) const
{
    painter.save();
    painter.translate(Pivot());
    painter.rotate(Tilt + pose.headTilt * 0.8);
    painter.translate(-Pivot());
    PaintPointer(painter, pose);
    painter.restore();
}
