#include "OdonFigure.h"

#include "CastInk.h"

#include <QPainter>

using namespace CastInk;

namespace {

const QColor Skin(0xf7, 0xc9, 0xa6);
const QColor Hair(0xc8, 0xc8, 0xce);
const QColor Jacket(0x93, 0x68, 0x44);
const QColor Waistcoat(0xe3, 0xaa, 0x3a);
const QColor ShirtColour(0xea, 0xf2, 0xfb);
const QColor BowTie(0xd2, 0x34, 0x3b);
const QColor Trousers(0x4b, 0x56, 0x66);
const QColor ShoeColour(0x6b, 0x3e, 0x26);
const double Line = 3.4;

QPainterPath Cloud(QPointF centre, double side)
{
    // Fluffy grey hair above an ear: three bumps rolling back.
    QPainterPath cloud;
    cloud.moveTo(centre + QPointF(-side * 4, -26));
    cloud.quadTo(centre + QPointF(side * 14, -30), centre + QPointF(side * 12, -14));
    cloud.quadTo(centre + QPointF(side * 20, -8), centre + QPointF(side * 12, 4));
    cloud.quadTo(centre + QPointF(side * 16, 16), centre + QPointF(side * 2, 16));
    cloud.quadTo(centre + QPointF(-side * 4, 0), centre + QPointF(-side * 4, -26));
    cloud.closeSubpath();
    return cloud;
}

void PaintBowTie(QPainter& painter, QPointF knot)
{
    QPainterPath bow;
    bow.moveTo(knot);
    bow.lineTo(knot + QPointF(-17, -9));
    bow.quadTo(knot + QPointF(-21, 0), knot + QPointF(-17, 9));
    bow.closeSubpath();
    bow.moveTo(knot);
    bow.lineTo(knot + QPointF(17, -9));
    bow.quadTo(knot + QPointF(21, 0), knot + QPointF(17, 9));
    bow.closeSubpath();
    Shape(painter, bow, BowTie, Line * 0.9);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 220));
    for (const QPointF& dot : {QPointF(-12, -3), QPointF(-9, 4), QPointF(12, -3), QPointF(9, 4)})
        painter.drawEllipse(knot + dot, 1.8, 1.8);
    Shape(painter, Ellipse(knot, 5, 6), BowTie.darker(115), Line * 0.9);
}

void PaintWatchCable(QPainter& painter, QPointF pocket, QPointF button)
{
    // Where another teacher would wear a watch chain, a cable runs from a waistcoat button to
    // the pocket, and its plug peeps out.
    QPainterPath cable;
    cable.moveTo(button);
    cable.cubicTo(button + QPointF(-2, 16), pocket + QPointF(8, 14), pocket + QPointF(2, 2));
    Limb(painter, cable, 2.6, QColor(0x2f, 0x2f, 0x36), Line * 0.6);
    const QPointF plug = pocket + QPointF(-1, -8);
    QPainterPath pins;
    pins.moveTo(plug + QPointF(-2.6, -7));
    pins.lineTo(plug + QPointF(-2.6, -13));
    pins.moveTo(plug + QPointF(2.6, -7));
    pins.lineTo(plug + QPointF(2.6, -13));
    Limb(painter, pins, 2.2, QColor(0xc9, 0xcb, 0xd2), Line * 0.5);
    QPainterPath body;
    body.addRoundedRect(QRectF(plug.x() - 6.5, plug.y() - 8, 13, 15), 4, 4);
    Shape(painter, body, QColor(0xf4, 0xf4, 0xf6), Line * 0.8);
    const QPainterPath slit = Segment(pocket + QPointF(-10, 0), pocket + QPointF(9, 0));
    Stroke(painter, slit, Outline(), Line * 0.9);
}

} // namespace

void TOdonFigure::PaintFigure(QPainter& painter, const TCastPose& pose) const
{
    for (double side : {-1.0, 1.0}) {
        const QPainterPath leg = Segment(QPointF(side * 20, -134), QPointF(side * 21, -20));
        Limb(painter, leg, 29, Trousers, Line);
        const QPainterPath crease = Segment(QPointF(side * 20, -110), QPointF(side * 21, -30));
        Stroke(painter, crease, Trousers.darker(125), Line * 0.6);
        QPainterPath shoe;
        shoe.moveTo(side * 6, -1);
        shoe.cubicTo(side * 4, -20, side * 20, -25, side * 30, -20);
        shoe.cubicTo(side * 44, -15, side * 48, -7, side * 45, -1);
        shoe.closeSubpath();
        Shape(painter, shoe, ShoeColour, Line);
        QPainterPath gleam;
        gleam.moveTo(side * 28, -16);
        gleam.quadTo(side * 36, -14, side * 40, -9);
        painter.setPen(QPen(QColor(255, 255, 255, 110), Line, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(gleam);
    }

    painter.save();
    RotateAbout(painter, QPointF(0, -134), pose.bodyLean);

    // Jacket, with the waistcoat and shirt showing where it is open.
    QPainterPath jacket;
    jacket.moveTo(-16, -276);
    jacket.cubicTo(-38, -275, -52, -268, -52, -250);
    jacket.cubicTo(-60, -214, -68, -172, -60, -140);
    jacket.quadTo(-57, -124, -44, -122);
    jacket.lineTo(44, -122);
    jacket.quadTo(57, -124, 60, -140);
    jacket.cubicTo(68, -172, 60, -214, 52, -250);
    jacket.cubicTo(52, -268, 38, -275, 16, -276);
    jacket.closeSubpath();
    Shape(painter, jacket, Jacket, Line);
    QPainterPath waistcoat;
    waistcoat.moveTo(-16, -274);
    waistcoat.cubicTo(-22, -226, -36, -176, -28, -128);
    waistcoat.lineTo(28, -128);
    waistcoat.cubicTo(36, -176, 22, -226, 16, -274);
    waistcoat.closeSubpath();
    Shape(painter, waistcoat, Waistcoat, Line);
    QPainterPath shirt;
    shirt.moveTo(-15, -276);
    shirt.lineTo(0, -226);
    shirt.lineTo(15, -276);
    shirt.closeSubpath();
    Flat(painter, shirt, ShirtColour, Line);
    for (double y : {-208.0, -182.0, -156.0})
        Shape(painter, Ellipse(QPointF(0, y), 3.6, 3.6), Waistcoat.darker(150), Line * 0.5);
    for (double side : {-1.0, 1.0}) {
        QPainterPath lapel;
        lapel.moveTo(side * 16, -276);
        lapel.lineTo(side * 36, -246);
        lapel.lineTo(side * 26, -242);
        lapel.lineTo(side * 30, -226);
        lapel.quadTo(side * 22, -214, side * 20, -206);
        lapel.cubicTo(side * 19, -236, side * 16, -256, side * 16, -276);
        lapel.closeSubpath();
        Shape(painter, lapel, Jacket.darker(112), Line * 0.9);
        const QPainterPath flap = Segment(QPointF(side * 38, -156), QPointF(side * 58, -158));
        Stroke(painter, flap, Outline(), Line * 0.8);
    }
    PaintWatchCable(painter, QPointF(-14, -164), QPointF(0, -182));
    // Shirt collar points.
    for (double side : {-1.0, 1.0}) {
        QPainterPath point;
        point.moveTo(side * 3, -272);
        point.lineTo(side * 17, -280);
        point.lineTo(side * 13, -262);
        point.closeSubpath();
        Flat(painter, point, ShirtColour, Line * 0.8);
    }

    PaintHeadAt(painter, pose, QPointF(0, -330), 1.1);
    PaintBowTie(painter, QPointF(0, -268));

    const TArmStyle arm{.upper = 52, .fore = 48, .width = 16, .skin = Skin, .sleeve = Jacket, .sleeveLength = 52 + 40,
                        .sleeveWidth = 23, .cuff = ShirtColour, .hand = Skin, .handSize = 15, .outline = Line};
    Arms(painter, pose, QPointF(-45, -250), QPointF(45, -250), arm);
    painter.restore();
}

void TOdonFigure::PaintHead(QPainter& painter, const TCastPose& pose) const
{
    const double dx = pose.headTurn * 12;
    const double dy = pose.headNod * 9;
    painter.save();
    MoveHead(painter, pose, 5, 50);

    for (double side : {-1.0, 1.0})
        Ear(painter, QPointF(side * 47 - dx * 0.35, 6 + dy * 0.5), side, 10, 13, Skin, Line);
    QPainterPath face;
    face.moveTo(0, -56);
    face.cubicTo(32, -56, 49, -34, 49, -4);
    face.cubicTo(49, 30, 30, 54, 0, 54);
    face.cubicTo(-30, 54, -49, 30, -49, -4);
    face.cubicTo(-49, -34, -32, -56, 0, -56);
    face.closeSubpath();
    Shape(painter, face, Skin, Line);
    Shade(painter, face, Ellipse(QPointF(18 + dx * 0.3, 20), 46, 42), QColor(0xe0, 0x98, 0x78, 55));
    // The bald crown shines.
    QPainterPath shine;
    shine.moveTo(-30, -40);
    shine.quadTo(-20, -50, -6, -52);
    Stroke(painter, shine, QColor(255, 255, 255, 150), Line * 1.4);

    for (double side : {-1.0, 1.0})
        Shape(painter, Cloud(QPointF(side * 44 - dx * 0.3, -14), side), Hair, Line);
    // One springy curl on top, coiled like a telephone cable.
    QPainterPath curl;
    curl.moveTo(-dx * 0.2 - 2, -55);
    curl.cubicTo(-dx * 0.2 - 6, -70, 10 - dx * 0.2, -76, 10 - dx * 0.2, -66);
    curl.cubicTo(10 - dx * 0.2, -58, -2 - dx * 0.2, -60, 2 - dx * 0.2, -70);
    curl.cubicTo(6 - dx * 0.2, -80, 20 - dx * 0.2, -78, 18 - dx * 0.2, -68);
    Limb(painter, curl, 4.5, Hair, Line * 0.8);

    const TEyeStyle eye{.rx = 7.5, .ry = 8.5, .iris = QColor(0x8a, 0x55, 0x22), .outline = Line * 0.8};
    for (double side : {-1.0, 1.0}) {
        const QPointF centre(side * 20 + dx, 0 + dy);
        Blush(painter, QPointF(side * 31 + dx * 0.8, 26 + dy), 10, 6);
        Eye(painter, centre, eye, pose);
        // Round glasses: a tinted lens with a gleam, then the frame.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xcf, 0xe6, 0xf5, 45));
        painter.drawEllipse(centre, 15, 15);
        QPainterPath gleam;
        gleam.moveTo(centre + QPointF(-9, -4));
        gleam.quadTo(centre + QPointF(-7, -10), centre + QPointF(-2, -11));
        painter.setPen(QPen(QColor(255, 255, 255, 190), Line * 0.8, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(gleam);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Outline(), Line * 0.95));
        painter.drawEllipse(centre, 15, 15);
        painter.drawLine(centre + QPointF(side * 15, -3), QPointF(side * 47 - dx * 0.35, -5 + dy * 0.5));
        Brow(painter, QPointF(side * 21 + dx, -25 + dy), 22, 6, side < 0 ? 1 : -1, Hair.darker(140), pose);
    }
    QPainterPath bridge;
    bridge.moveTo(QPointF(-5 + dx, -3 + dy));
    bridge.quadTo(QPointF(dx, -8 + dy), QPointF(5 + dx, -3 + dy));
    Stroke(painter, bridge, Outline(), Line * 0.95);

    Mouth(painter, QPointF(dx * 1.05, 36 + dy), 22, pose, Line);
    QPainterPath moustache;
    const QPointF m(dx * 1.1, 26 + dy);
    moustache.moveTo(m + QPointF(0, -3));
    moustache.cubicTo(m + QPointF(-10, -9), m + QPointF(-30, -6), m + QPointF(-30, 6));
    moustache.cubicTo(m + QPointF(-24, 4), m + QPointF(-16, 10), m + QPointF(-6, 6));
    moustache.quadTo(m + QPointF(0, 4), m + QPointF(6, 6));
    moustache.cubicTo(m + QPointF(16, 10), m + QPointF(24, 4), m + QPointF(30, 6));
    moustache.cubicTo(m + QPointF(30, -6), m + QPointF(10, -9), m + QPointF(0, -3));
    moustache.closeSubpath();
    Shape(painter, moustache, Hair, Line);
    Shape(painter, Ellipse(QPointF(dx * 1.15, 13 + dy), 9.5, 8.5), Skin.darker(106), Line);
    painter.restore();
}
