#include "LemezkeFigure.h"

#include "CastInk.h"

#include <QConicalGradient>
#include <QPainter>
#include <cmath>

using namespace CastInk;

namespace {

const QColor Coat(0xff, 0xf3, 0xe0);
const QColor FarCoat(0xec, 0xdc, 0xc3);
const QColor Patch(0x8d, 0x5a, 0x3b);
const QColor Collar(0xd9, 0x36, 0x3e);
const double Line = 3;
const QPointF HeadCentre(52, -118);

void PaintDisc(QPainter& painter, QPointF centre, double radius)
{
    // A little compact disc: silver with a rainbow sheen and a hole.
    QConicalGradient sheen(centre, 30);
    sheen.setColorAt(0.0, QColor(0xe8, 0xea, 0xf0));
    sheen.setColorAt(0.15, QColor(0xff, 0xc8, 0xe6));
    sheen.setColorAt(0.3, QColor(0xc8, 0xe6, 0xff));
    sheen.setColorAt(0.45, QColor(0xf0, 0xf2, 0xf6));
    sheen.setColorAt(0.6, QColor(0xd6, 0xff, 0xd0));
    sheen.setColorAt(0.75, QColor(0xff, 0xf0, 0xb8));
    sheen.setColorAt(1.0, QColor(0xe8, 0xea, 0xf0));
    painter.setBrush(sheen);
    painter.setPen(QPen(Outline(), Line * 0.8));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(QColor(0xb8, 0xbc, 0xc6));
    painter.setPen(QPen(Outline(), Line * 0.5));
    painter.drawEllipse(centre, radius * 0.34, radius * 0.34);
    painter.setBrush(Collar.darker(110));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(centre, radius * 0.14, radius * 0.14);
}

void PaintDogMouth(QPainter& painter, QPointF nose, const TCastPose& pose)
{
    double open = std::clamp(pose.mouthOpen, 0.0, 1.0);
    if (pose.mouth != TCastMouth::Smile)
        open = std::max(open, 0.7);
    QPainterPath smile;
    smile.moveTo(nose + QPointF(0, 4));
    smile.lineTo(nose + QPointF(0, 9));
    smile.moveTo(nose + QPointF(-10, 9));
    smile.quadTo(nose + QPointF(-5, 15), nose + QPointF(0, 9));
    smile.quadTo(nose + QPointF(5, 15), nose + QPointF(10, 9));
    if (open > 0.1) {
        // Panting: an open mouth under the muzzle with the tongue hanging out.
        QPainterPath mouth;
        mouth.moveTo(nose + QPointF(-10, 10));
        mouth.quadTo(nose + QPointF(0, 14), nose + QPointF(10, 10));
        mouth.cubicTo(nose + QPointF(9, 14 + 12 * open), nose + QPointF(-9, 14 + 12 * open), nose + QPointF(-10, 10));
        mouth.closeSubpath();
        Flat(painter, mouth, QColor(0x8a, 0x23, 0x2c), Line * 0.8);
        QPainterPath tongue;
        const QPointF root = nose + QPointF(2, 12);
        tongue.moveTo(root + QPointF(-6, 0));
        tongue.cubicTo(root + QPointF(-7, 12 + 8 * open), root + QPointF(7, 12 + 8 * open), root + QPointF(6, 0));
        tongue.closeSubpath();
        Shape(painter, tongue, QColor(0xf2, 0x6d, 0x85), Line * 0.8);
        painter.setPen(QPen(QColor(0xc8, 0x45, 0x60), Line * 0.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(root + QPointF(0, 2), root + QPointF(0, 6 + 6 * open));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Outline(), Line * 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(smile);
}

void PaintLeg(QPainter& painter, QPointF top, const QColor& colour, double liftX = 0)
{
    const QPainterPath leg = Segment(top, QPointF(top.x() + liftX, -9));
    Limb(painter, leg, 15, colour, Line);
    Shape(painter, Ellipse(QPointF(top.x() + liftX + 4, -6.5), 11, 7), colour.lighter(104), Line);
}

// A front leg held up like an arm: both bends of the arm rig, a round paw at the end.
void PaintLiftedLeg(QPainter& painter, QPointF shoulder, const TCastArm& leg, const QColor& colour)
{
    const TArmStyle style{.upper = 26, .fore = 22};
    const TArmJoints joints = ArmJoints(shoulder, leg, true, style);
    QPainterPath line;
    line.moveTo(joints.shoulder);
    line.lineTo(joints.elbow);
    line.lineTo(joints.wrist);
    Limb(painter, line, 15, colour, Line);
    const QPointF paw = joints.wrist + QPointF(std::cos(joints.foreDirection), std::sin(joints.foreDirection)) * 4;
    Shape(painter, Ellipse(paw, 9.5, 9.5), colour.lighter(104), Line);
    painter.setPen(QPen(Outline(), Line * 0.6, Qt::SolidLine, Qt::RoundCap));
    const double a = joints.foreDirection;
    const QPointF along(std::cos(a), std::sin(a));
    const QPointF across(-along.y(), along.x());
    for (double t : {-0.35, 0.35})
        painter.drawLine(paw + along * 9.5 * 0.35 + across * 9.5 * t, paw + along * 9.5 * 0.95 + across * 9.5 * t);
}

bool Lifted(const TCastArm& leg)
{
    return leg.shoulder > 25 || leg.hand != TCastHand::Relaxed;
}

} // namespace

void TLemezkeFigure::PaintFigure(QPainter& painter, const TCastPose& pose) const
{
    // Tail first, wagging about its root.
    painter.save();
    painter.translate(-58, -80);
    painter.rotate(pose.tailWag * 22);
    QPainterPath tail;
    tail.moveTo(0, 0);
    tail.cubicTo(-14, -8, -22, -22, -16, -42);
    Limb(painter, tail, 10, Coat, Line);
    const QPainterPath tip = Segment(QPointF(-19, -32), QPointF(-16, -42));
    Limb(painter, tip, 10, Patch, 0);
    painter.restore();

    // Far legs, darker, behind the body.
    if (Lifted(pose.leftArm))
        PaintLiftedLeg(painter, QPointF(40, -60), pose.leftArm, FarCoat);
    else
        PaintLeg(painter, QPointF(40, -60), FarCoat);
    PaintLeg(painter, QPointF(-34, -60), FarCoat);

    painter.save();
    RotateAbout(painter, QPointF(0, -60), pose.bodyLean * 0.5);
    // Body and chest make one outline; the spot on the side is a round disc, like his name.
    const QPainterPath body = Ellipse(QPointF(-4, -68), 58, 29).united(Ellipse(QPointF(38, -78), 20, 24));
    Shape(painter, body, Coat, Line);
    painter.save();
    painter.setClipPath(body);
    Shape(painter, Ellipse(QPointF(-14, -82), 18, 16), Patch, Line * 0.7);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Patch.lighter(125), 1.6));
    painter.drawEllipse(QPointF(-14, -82), 11, 10);
    painter.setBrush(Patch.darker(130));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(-14, -82), 3, 3);
    painter.restore();
    painter.restore();

    // Near legs in front of the body; the back one grows out of a round haunch.
    PaintLeg(painter, QPointF(-46, -56), Coat);
    const QRectF haunch(-60, -86, 36, 40);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Coat);
    painter.drawEllipse(haunch);
    QPainterPath haunchLine;
    haunchLine.arcMoveTo(haunch, 110);
    haunchLine.arcTo(haunch, 110, -190);
    Stroke(painter, haunchLine, Outline(), Line);
    if (Lifted(pose.rightArm))
        PaintLiftedLeg(painter, QPointF(32, -64), pose.rightArm, Coat);
    else
        PaintLeg(painter, QPointF(30, -60), Coat);

    // Collar and disc tag under the chin, then the head.
    QPainterPath collar;
    collar.moveTo(30, -92);
    collar.quadTo(50, -74, 70, -92);
    Limb(painter, collar, 8, Collar, Line);
    PaintDisc(painter, QPointF(51, -74), 8.5);
    PaintHeadAt(painter, pose, HeadCentre, 1.15);
}

// The head in its own frame, its middle on (0, 0).
void TLemezkeFigure::PaintHead(QPainter& painter, const TCastPose& pose) const
{
    const double dx = pose.headTurn * 8;
    const double dy = pose.headNod * 5;
    painter.save();
    MoveHead(painter, pose, 3, 26);

    const QPainterPath head = Ellipse(QPointF(0, 0), 32, 28);
    Shape(painter, head, Coat, Line);
    // A brown patch round one eye.
    Shade(painter, head, Ellipse(QPointF(15 + dx, -8 + dy), 14, 13), Patch.lighter(150));
    for (double side : {-1.0, 1.0}) {
        QPainterPath ear;
        const QPointF root(side * 24 - dx * 0.4, -20);
        ear.moveTo(root + QPointF(-side * 6, -4));
        ear.cubicTo(root + QPointF(side * 16, -10), root + QPointF(side * 20, 18), root + QPointF(side * 14, 30));
        ear.cubicTo(root + QPointF(side * 10, 38), root + QPointF(side * 0, 36), root + QPointF(-side * 1, 28));
        ear.cubicTo(root + QPointF(-side * 2, 16), root + QPointF(-side * 6, 6), root + QPointF(-side * 6, -4));
        ear.closeSubpath();
        Shape(painter, ear, Patch, Line);
    }
    const TEyeStyle eye{.rx = 5.5, .ry = 7.2, .cartoon = true, .outline = Line * 0.9};
    for (double side : {-1.0, 1.0}) {
        const QPointF centre(side * 12 + dx, -5 + dy);
        Eye(painter, centre, eye, pose);
        // Tan dots for eyebrows, as many dogs have; they ride up when the pose raises brows.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xc8, 0x8a, 0x5a));
        painter.drawEllipse(centre + QPointF(side * 1.5, -11 - 3 * std::clamp(pose.eyebrows, -1.0, 1.0)), 3.6, 2.4);
    }
    const QPointF nose(dx * 1.15, 9 + dy);
    Shape(painter, Ellipse(nose + QPointF(0, 6), 17, 11), Qt::white, Line * 0.8);
    PaintDogMouth(painter, nose, pose);
    QPainterPath noseShape;
    noseShape.moveTo(nose + QPointF(-7, -2));
    noseShape.cubicTo(nose + QPointF(-7, -7), nose + QPointF(7, -7), nose + QPointF(7, -2));
    noseShape.cubicTo(nose + QPointF(7, 2), nose + QPointF(2, 5), nose + QPointF(0, 5));
    noseShape.cubicTo(nose + QPointF(-2, 5), nose + QPointF(-7, 2), nose + QPointF(-7, -2));
    noseShape.closeSubpath();
    Flat(painter, noseShape, QColor(0x2a, 0x22, 0x26), Line * 0.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawEllipse(nose + QPointF(-2.5, -3), 2.2, 1.4);
    painter.restore();
}
