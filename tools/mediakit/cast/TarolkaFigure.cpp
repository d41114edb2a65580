#include "TarolkaFigure.h"

#include "CastInk.h"

#include <QPainter>
#include <QRadialGradient>

using namespace CastInk;

namespace {

const QColor Front(0xff, 0xa0, 0x30);
const QColor Limbs(0x5a, 0x55, 0x60);
const QColor Mitten(0xee, 0xf1, 0xf4);
const QColor ShoeColour(0x3f, 0x58, 0xb5);
const double Line = 3;
// The box in its own frame: the front face's middle on (0, 0).
const QRectF FrontFace(-50, -54, 100, 108);
const QPointF Depth(16, -14);
// The box stands with its front face's bottom this high above the feet.
const double Hips = 62;

QPainterPath Polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        if (first)
            path.moveTo(point);
        else
            path.lineTo(point);
        first = false;
    }
    path.closeSubpath();
    return path;
}

void PaintBox(QPainter& painter, const TCastPose& pose)
{
    const QRectF f = FrontFace;
    const QPainterPath top = Polygon({f.topLeft(), f.topRight(), f.topRight() + Depth, f.topLeft() + Depth});
    const QPainterPath side = Polygon({f.topRight(), f.topRight() + Depth, f.bottomRight() + Depth, f.bottomRight()});
    QPainterPath front;
    front.addRoundedRect(f, 7, 7);
    // A rounded silhouette first, so the corners of the three faces meet softly.
    const QPainterPath whole = top.united(side).united(front);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Outline(), Line * 2 + 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(whole);
    for (const auto& [face, colour] : {std::pair{top, Front.lighter(128)}, std::pair{side, Front.darker(118)}}) {
        painter.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(colour);
        painter.drawPath(face);
    }
    Shape(painter, front, Front, 0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Outline(), Line * 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(f.topRight() + QPointF(0, 4), f.bottomRight() - QPointF(0, 4));
    painter.drawLine(f.topLeft() + QPointF(4, 0), f.topRight() - QPointF(4, 0));

    // The drive: a slot, the eject button, the busy light, and vents in the corner.
    QPainterPath slot;
    slot.addRoundedRect(QRectF(-32, -42, 56, 10), 4, 4);
    Flat(painter, slot, QColor(0x3b, 0x2f, 0x2f), Line * 0.6);
    painter.setPen(QPen(QColor(0x70, 0x60, 0x5a), 1.6));
    painter.drawLine(QPointF(-28, -36.5), QPointF(20, -36.5));
    QPainterPath eject;
    eject.addRoundedRect(QRectF(30, -42, 12, 10), 3, 3);
    Shape(painter, eject, QColor(0xd9, 0xdc, 0xe2), Line * 0.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x55, 0x55, 0x5e));
    painter.drawPolygon(QPolygonF({QPointF(33, -36), QPointF(39, -36), QPointF(36, -40)}));
    QRadialGradient glow(QPointF(-41, -37), 8);
    glow.setColorAt(0, QColor(0x8b, 0xff, 0x9a, 200));
    glow.setColorAt(1, QColor(0x8b, 0xff, 0x9a, 0));
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(-41, -37), 8, 8);
    Shape(painter, Ellipse(QPointF(-41, -37), 3.6, 3.6), QColor(0x3c, 0xd8, 0x5a), Line * 0.5);
    painter.setPen(QPen(Front.darker(135), Line * 0.7, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        painter.drawLine(QPointF(28, 36 + 5.5 * i), QPointF(42, 36 + 5.5 * i));

    const double dx = pose.headTurn * 9;
    const double dy = pose.headNod * 6;
    const TEyeStyle eye{.rx = 8, .ry = 10.5, .cartoon = true, .outline = Line * 0.9};
    for (double side : {-1.0, 1.0}) {
        const QPointF centre(side * 19 + dx, -3 + dy);
        Blush(painter, QPointF(side * 33 + dx * 0.8, 16 + dy), 10, 6);
        Eye(painter, centre, eye, pose);
        Brow(painter, centre + QPointF(0, -16), 13, 2.8, side < 0 ? 1 : -1, Outline(), pose);
    }
    Mouth(painter, QPointF(dx, 20 + dy), 24, pose, Line);
}

void EnterBox(QPainter& painter, const TCastPose& pose)
{
    painter.translate(0, -Hips);
    painter.rotate(pose.headTilt * 0.7 + pose.bodyLean);
    painter.scale(1, 1 - 0.05 * pose.headNod);
    painter.translate(0, -FrontFace.height() / 2);
}

QPointF BoxToFigure(const TCastPose& pose, QPointF point)
{
    QTransform transform;
    transform.translate(0, -Hips);
    transform.rotate(pose.headTilt * 0.7 + pose.bodyLean);
    transform.scale(1, 1 - 0.05 * pose.headNod);
    transform.translate(0, -FrontFace.height() / 2);
    return transform.map(point);
}

} // namespace

void TTarolkaFigure::PaintFigure(QPainter& painter, const TCastPose& pose) const
{
    for (double side : {-1.0, 1.0}) {
        const QPointF hip = BoxToFigure(pose, QPointF(side * 24, FrontFace.bottom()));
        const QPainterPath leg = Segment(hip, QPointF(side * 25, -12));
        Limb(painter, leg, 9, Limbs, Line * 0.6);
        QPainterPath shoe;
        const double x = side * 25;
        shoe.moveTo(x - side * 10, -1);
        shoe.cubicTo(x - side * 12, -15, x + side * 4, -19, x + side * 11, -14);
        shoe.cubicTo(x + side * 20, -10, x + side * 22, -4, x + side * 19, -1);
        shoe.closeSubpath();
        Shape(painter, shoe, ShoeColour, Line);
    }
    painter.save();
    EnterBox(painter, pose);
    PaintBox(painter, pose);
    painter.restore();

    const TArmStyle arm{.upper = 24, .fore = 22, .width = 8, .skin = Limbs, .hand = Mitten, .handSize = 11,
                        .outline = Line * 0.6};
    Arms(painter, pose, BoxToFigure(pose, QPointF(FrontFace.left() + 2, 8)),
         BoxToFigure(pose, QPointF(FrontFace.right() - 2, 8)), arm);
}

void TTarolkaFigure::PaintHead(QPainter& painter, const TCastPose& pose) const
{
    painter.save();
    painter.translate(-Depth / 2);
    painter.rotate(pose.headTilt * 0.7);
    PaintBox(painter, pose);
    painter.restore();
}
