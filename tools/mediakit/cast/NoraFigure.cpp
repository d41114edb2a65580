#include "NoraFigure.h"

#include "CastInk.h"

#include <QPainter>
#include <cmath>

using namespace CastInk;

namespace {

const QColor Skin(0xff, 0xd6, 0xbc);
const QColor Hair(0xb9, 0x55, 0x2a);
const QColor HairTie(0xff, 0xc9, 0x3c);
const QColor Shirt(0xf2, 0x62, 0x9c);
const QColor Skirt(0x7e, 0x57, 0xc2);
const QColor Shoe(0xd9, 0x3f, 0x4c);
const double Line = 3;

QPainterPath Star(QPointF centre, double outer, double inner)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * r;
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    return star;
}

void PaintPigtail(QPainter& painter, QPointF base, double side)
{
    QPainterPath tail;
    tail.moveTo(base + QPointF(0, -9));
    tail.cubicTo(base + QPointF(side * 36, -24), base + QPointF(side * 50, 14), base + QPointF(side * 30, 46));
    tail.cubicTo(base + QPointF(side * 34, 22), base + QPointF(side * 16, 10), base + QPointF(0, 9));
    tail.closeSubpath();
    Shape(painter, tail, Hair, Line);
    QPainterPath strand;
    strand.moveTo(base + QPointF(side * 10, -4));
    strand.cubicTo(base + QPointF(side * 30, -10), base + QPointF(side * 38, 12), base + QPointF(side * 31, 30));
    Stroke(painter, strand, Hair.darker(135), Line * 0.6);
    Shape(painter, Ellipse(base, 7.5, 8.5), HairTie, Line * 0.8);
}

// Legs, socks and shoes, from the knees down to the ground. Standing, the legs run straight from
// the hips; squatting, the knees come up in front of the lowered skirt.
void PaintLegs(QPainter& painter, bool crouching)
{
    for (double side : {-1.0, 1.0}) {
        const QPointF top = crouching ? QPointF(side * 21, -90) : QPointF(side * 13, -94);
        const QPointF ankle(side * 14, -16);
        Limb(painter, Segment(top, ankle), 14, Skin, Line);
        const QPainterPath sock = Segment(QPointF(side * 14, -36), QPointF(side * 14, -17));
        Limb(painter, sock, 16, Qt::white, Line);
        QPainterPath shoe;
        shoe.moveTo(side * 4, -2);
        shoe.cubicTo(side * 2, -16, side * 14, -19, side * 22, -16);
        shoe.cubicTo(side * 32, -13, side * 36, -6, side * 33, -2);
        shoe.quadTo(side * 20, 1, side * 4, -2);
        shoe.closeSubpath();
        Shape(painter, shoe, Shoe, Line);
        QPainterPath strap;
        strap.moveTo(side * 7, -13);
        strap.quadTo(side * 15, -17, side * 23, -15);
        Stroke(painter, strap, Shoe.darker(150), Line * 0.8);
    }
}

} // namespace

void TNoraFigure::PaintFigure(QPainter& painter, const TCastPose& pose) const
{
    // The feet stay on the ground; the body above the hips leans, and a squat lowers it.
    if (!pose.crouching)
        PaintLegs(painter, false);
    const auto enterBody = [&] {
        painter.save();
        painter.translate(0, pose.crouching ? 50 : 0);
        RotateAbout(painter, QPointF(0, -92), pose.bodyLean);
    };
    enterBody();

    QPainterPath neck;
    neck.addRect(QRectF(-7, -190, 14, 24));
    Flat(painter, neck, Skin.darker(108), Line);

    QPainterPath shirt;
    shirt.moveTo(-11, -173);
    shirt.quadTo(0, -163, 11, -173);
    shirt.cubicTo(24, -172, 32, -168, 31, -156);
    shirt.lineTo(29, -122);
    shirt.lineTo(-29, -122);
    shirt.lineTo(-31, -156);
    shirt.cubicTo(-32, -168, -24, -172, -11, -173);
    shirt.closeSubpath();
    Shape(painter, shirt, Shirt, Line);
    Shape(painter, Star(QPointF(0, -144), 11, 5), HairTie, Line * 0.8);

    QPainterPath skirt;
    skirt.moveTo(-29, -128);
    skirt.lineTo(29, -128);
    skirt.lineTo(47, -82);
    skirt.quadTo(0, -74, -47, -82);
    skirt.closeSubpath();
    Shape(painter, skirt, Skirt, Line);
    QPainterPath pleats;
    for (double x : {-16.0, 0.0, 16.0}) {
        pleats.moveTo(x * 0.8, -126);
        pleats.lineTo(x * 1.55, -80);
    }
    Stroke(painter, pleats, Skirt.darker(140), Line * 0.6);
    QPainterPath waistband;
    waistband.addRect(QRectF(-29, -131, 58, 7));
    Flat(painter, waistband, Skirt.darker(120), Line * 0.8);
    if (pose.crouching) {
        painter.restore();
        PaintLegs(painter, true);
        enterBody();
    }

    PaintHeadAt(painter, pose, QPointF(0, -230));

    const TArmStyle arm{.upper = 36, .fore = 33, .width = 12, .skin = Skin, .sleeve = Shirt, .sleeveLength = 20,
                        .sleeveWidth = 19, .hand = Skin, .handSize = 13, .outline = Line};
    Arms(painter, pose, QPointF(-26, -162), QPointF(26, -162), arm);
    painter.restore();
}

// The head in its own frame: the face's middle on (0, 0).
void TNoraFigure::PaintHead(QPainter& painter, const TCastPose& pose) const
{
    const double dx = pose.headTurn * 13;
    const double dy = pose.headNod * 9;
    painter.save();
    MoveHead(painter, pose, 5, 44);

    // Hair behind the face: the crown and the two pigtails, which swing opposite to a turn.
    for (double side : {-1.0, 1.0})
        PaintPigtail(painter, QPointF(side * 56 - dx * 0.45, -14), side);
    Shape(painter, Ellipse(QPointF(-dx * 0.2, -5), 59, 56), Hair, Line);

    const QPainterPath face = Ellipse(QPointF(0, 0), 53, 49);
    Shape(painter, face, Skin, Line);
    Shade(painter, face, Ellipse(QPointF(14 + dx * 0.3, 20), 50, 40), QColor(0xf0, 0xb0, 0x90, 60));

    // The fringe: round over the crown, scalloped above the eyes.
    const double fx = dx * 0.55;
    const double fy = dy * 0.4;
    QPainterPath fringe;
    fringe.moveTo(-57, 6);
    fringe.cubicTo(-63, -40, -34, -61, fx * 0.3, -61);
    fringe.cubicTo(34, -61, 63, -40, 57, 6);
    fringe.quadTo(52 + fx * 0.2, -10 + fy, 44 + fx * 0.5, -20 + fy);
    fringe.quadTo(36 + fx, -32 + fy, 22 + fx, -24 + fy);
    fringe.quadTo(12 + fx, -34 + fy, 0 + fx, -23 + fy);
    fringe.quadTo(-12 + fx, -36 + fy, -24 + fx, -26 + fy);
    fringe.quadTo(-38 + fx, -32 + fy, -45 + fx * 0.5, -18 + fy);
    fringe.quadTo(-52 + fx * 0.2, -8 + fy, -57, 6);
    fringe.closeSubpath();
    Shape(painter, fringe, Hair, Line);
    QPainterPath shine;
    shine.moveTo(-38, -42);
    shine.quadTo(-24, -54, -6, -55);
    Stroke(painter, shine, Hair.lighter(150), Line * 1.3);
    // A star clip holds the fringe aside.
    Shape(painter, Star(QPointF(34 + fx * 0.5, -38 + fy * 0.5), 9, 4.2), HairTie, Line * 0.7);

    TEyeStyle eye{.rx = 9.5, .ry = 11.5, .iris = QColor(0x3a, 0x8f, 0x5c), .outline = Line * 0.85};
    for (double side : {-1.0, 1.0}) {
        eye.lashes = side < 0 ? -1 : 1;
        Eye(painter, QPointF(side * 20 + dx, 6 + dy), eye, pose);
        Brow(painter, QPointF(side * 20 + dx, -12 + dy), 15, 2.6, side < 0 ? 1 : -1, Hair.darker(140), pose);
        Blush(painter, QPointF(side * 33 + dx * 0.8, 24 + dy), 9, 5.5);
    }
    Nose(painter, QPointF(dx * 1.1, 18 + dy), 3, Line);
    Mouth(painter, QPointF(dx, 30 + dy), 20, pose, Line);
    painter.restore();
}
