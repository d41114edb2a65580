#include "TivadarFigure.h"

#include "CastInk.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

using namespace CastInk;

namespace {

const QColor Skin(0xfb, 0xcd, 0xa8);
const QColor Hair(0x5e, 0x3b, 0x23);
const QColor Cap(0xe2, 0x32, 0x36);
const QColor Shirt(0x3d, 0xad, 0x58);
const QColor Jeans(0x3b, 0x68, 0xbd);
const QColor Sneaker(0xf7, 0xf7, 0xf2);
const double Line = 3;

// A pixel-art smiley, one letter per pixel: Y yellow, K dark.
void PaintPixelSmiley(QPainter& painter, QPointF centre, double pixel)
{
    static const char* const rows[] = {
        ".YYYYY.",
        "YYYYYYY",
        "YKYYYKY",
        "YYYYYYY",
        "YKYYYKY",
        "YYKKKYY",
        ".YYYYY.",
    };
    const QPointF origin = centre - QPointF(3.5 * pixel, 3.5 * pixel);
    QPainterPath outline;
    painter.setPen(Qt::NoPen);
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 7; ++c) {
            const char p = rows[r][c];
            if (p == '.')
                continue;
            const QRectF square(origin.x() + c * pixel, origin.y() + r * pixel, pixel, pixel);
            painter.setBrush(p == 'Y' ? QColor(0xff, 0xd8, 0x3a) : QColor(0x3b, 0x2c, 0x2e));
            painter.drawRect(square.adjusted(-0.05, -0.05, 0.05, 0.05));
        }
    // A one-pixel dark border round the yellow disc keeps the pixel look.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x3b, 0x2c, 0x2e), pixel * 0.35, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    QPolygonF border;
    const double p = pixel;
    const QPointF o = origin;
    border << o + QPointF(p, 0) << o + QPointF(6 * p, 0) << o + QPointF(6 * p, p) << o + QPointF(7 * p, p)
           << o + QPointF(7 * p, 6 * p) << o + QPointF(6 * p, 6 * p) << o + QPointF(6 * p, 7 * p)
           << o + QPointF(p, 7 * p) << o + QPointF(p, 6 * p) << o + QPointF(0, 6 * p) << o + QPointF(0, p)
           << o + QPointF(p, p) << o + QPointF(p, 0);
    painter.drawPolygon(border);
}

} // namespace

namespace {

// How far the hips come down: a full squat lowers them to knee height, a seat holds them there.
double HipDrop(const TCastPose& pose)
{
    return pose.sitting ? 46 : 44 * std::clamp(pose.squat, 0.0, 1.0);
}

void PaintLegs(QPainter& painter, const TCastPose& pose)
{
    const double drop = HipDrop(pose);
    const double squat = std::clamp(pose.squat, 0.0, 1.0);
    for (double side : {-1.0, 1.0}) {
        // Seen from the front a squat spreads the knees out; sitting, the thighs come towards us
        // and the knees, drawn over the shirt later, stand just below the hips.
        const QPointF hip(side * 14, -108 + drop);
        const QPointF knee = pose.sitting ? QPointF(side * 16, -56) : QPointF(side * (14.5 + 21.5 * squat), -63 + 3 * squat);
        const QPointF ankle(side * 15, -18);
        QPainterPath leg = Segment(hip, ankle);
        if (pose.sitting || squat > 0) {
            leg = Segment(hip, knee);
            leg.lineTo(ankle);
        }
        Limb(painter, leg, 19, Jeans, Line);
        const QPainterPath hem = Segment(QPointF(side * 15, -23), QPointF(side * 15, -20));
        Limb(painter, hem, 21, Jeans.lighter(112), Line * 0.8);
        QPainterPath shoe;
        shoe.moveTo(side * 3, -1);
        shoe.cubicTo(side * 1, -18, side * 16, -22, side * 24, -17);
        shoe.cubicTo(side * 36, -13, side * 40, -6, side * 37, -1);
        shoe.closeSubpath();
        Shape(painter, shoe, Sneaker, Line);
        const QPainterPath sole = Segment(QPointF(side * 3, -1), QPointF(side * 37, -1));
        painter.setPen(QPen(QColor(0x9a, 0x9a, 0x9a), Line * 1.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(sole);
        QPainterPath stripe;
        stripe.moveTo(side * 12, -13);
        stripe.quadTo(side * 22, -10, side * 30, -13);
        painter.setPen(QPen(Cap, Line * 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(stripe);
        painter.setPen(QPen(Outline(), Line * 0.9, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(side * 3, -1), QPointF(side * 37, -1));
    }
}

// Moves the painter onto his trunk: lowered by a squat or a seat and leaning about the hips.
void OnHips(QPainter& painter, const TCastPose& pose)
{
    painter.translate(0, HipDrop(pose));
    RotateAbout(painter, QPointF(0, -104), pose.bodyLean);
}

double Bend(const TCastPose& pose)
{
    return std::clamp(pose.bend, -1.0, 1.0);
}
// Bending at the hips, seen from the front, shortens the trunk: a lot forward, a little back.
double Trunk(const TCastPose& pose)
{
    const double bend = Bend(pose);
    return bend > 0 ? 1 - 0.5 * bend : 1 + 0.22 * bend;
}
QPointF OnTrunk(const TCastPose& pose, QPointF p)
{
    return QPointF(p.x(), -104 + (p.y() + 104) * Trunk(pose));
}

void PaintArmsOnHips(QPainter& painter, const TCastPose& pose)
{
    const TArmStyle arm{.upper = 37, .fore = 34, .width = 12.5, .skin = Skin, .sleeve = Shirt, .sleeveLength = 22,
                        .sleeveWidth = 20, .hand = Skin, .handSize = 13, .outline = Line};
    Arms(painter, pose, OnTrunk(pose, QPointF(-28, -163)), OnTrunk(pose, QPointF(28, -163)), arm);
}

} // namespace

void TTivadarFigure::PaintFigure(QPainter& painter, const TCastPose& pose) const
{
    PaintLegs(painter, pose);

    painter.save();
    OnHips(painter, pose);
    const double bend = Bend(pose);
    const double trunk = Trunk(pose);
    const auto onTrunk = [&](QPointF p) { return OnTrunk(pose, p); };

    painter.save();
    painter.translate(0, -104);
    painter.scale(1, trunk);
    painter.translate(0, 104);
    QPainterPath neck;
    neck.addRect(QRectF(-8, -192, 16, 26));
    Flat(painter, neck, Skin.darker(108), Line);

    QPainterPath shirt;
    shirt.moveTo(-12, -175);
    shirt.quadTo(0, -164, 12, -175);
    shirt.cubicTo(26, -174, 34, -170, 33, -156);
    shirt.lineTo(32, -104);
    shirt.quadTo(0, -100, -32, -104);
    shirt.lineTo(-33, -156);
    shirt.cubicTo(-34, -170, -26, -174, -12, -175);
    shirt.closeSubpath();
    Shape(painter, shirt, Shirt, Line);
    QPainterPath collar;
    collar.moveTo(-12, -175);
    collar.quadTo(0, -164, 12, -175);
    Stroke(painter, collar, Shirt.darker(140), Line * 1.8);
    PaintPixelSmiley(painter, QPointF(0, -140), 3.8);
    painter.restore();

    if (pose.sitting)
        for (double side : {-1.0, 1.0})
            Shape(painter, Ellipse(QPointF(side * 16, -104), 14, 11), Jeans, Line);

    // Bent far either way, the arms go behind the head: down past it or up behind it.
    const bool armsBehindHead = std::abs(bend) > 0.25;
    if (armsBehindHead)
        PaintArmsOnHips(painter, pose);
    PaintHeadAt(painter, pose, onTrunk(QPointF(0, -236)) + QPointF(0, bend > 0 ? 24 * bend : 0));
    if (!armsBehindHead)
        PaintArmsOnHips(painter, pose);
    painter.restore();
}

void TTivadarFigure::PaintArms(QPainter& painter, const TCastPose& pose) const
{
    painter.save();
    OnHips(painter, pose);
    PaintArmsOnHips(painter, pose);
    painter.restore();
}

void TTivadarFigure::PaintHead(QPainter& painter, const TCastPose& pose) const
{
    const double dx = pose.headTurn * 13;
    const double dy = pose.headNod * 9;
    painter.save();
    MoveHead(painter, pose, 5, 46);

    // Hair shows round the back of the head and in tufts over the ears.
    Shape(painter, Ellipse(QPointF(-dx * 0.2, -6), 58, 52), Hair, Line);
    for (double side : {-1.0, 1.0})
        Ear(painter, QPointF(side * 52 - dx * 0.35, 8 + dy * 0.5), side, 11, 13, Skin, Line);
    const QPainterPath face = Ellipse(QPointF(0, 2), 52, 49);
    Shape(painter, face, Skin, Line);
    Shade(painter, face, Ellipse(QPointF(16 + dx * 0.3, 22), 48, 38), QColor(0xe8, 0xa2, 0x80, 60));

    // Spiky tufts at the temples and a few under the peak.
    for (double side : {-1.0, 1.0}) {
        QPainterPath tuft;
        const double x = side * 50 - dx * 0.25;
        tuft.moveTo(x, -24);
        tuft.lineTo(x + side * 8, -6);
        tuft.lineTo(x + side * 1, -8);
        tuft.lineTo(x + side * 5, 6);
        tuft.lineTo(x - side * 6, -6);
        tuft.lineTo(x - side * 8, -22);
        tuft.closeSubpath();
        Shape(painter, tuft, Hair, Line * 0.9);
    }
    QPainterPath fringe;
    const double fx = dx * 0.6;
    fringe.moveTo(-30 + fx, -22);
    fringe.lineTo(-22 + fx, -8 + dy * 0.4);
    fringe.lineTo(-14 + fx, -18);
    fringe.lineTo(-4 + fx, -5 + dy * 0.4);
    fringe.lineTo(6 + fx, -18);
    fringe.lineTo(16 + fx, -7 + dy * 0.4);
    fringe.lineTo(24 + fx, -20);
    fringe.lineTo(30 + fx, -22);
    fringe.closeSubpath();
    Shape(painter, fringe, Hair, Line * 0.9);

    // The red cap: a round crown, seams, a button on top and the peak facing us.
    QPainterPath crown;
    crown.moveTo(-58 - dx * 0.1, -12);
    crown.cubicTo(-62, -56, -30, -72, -dx * 0.1, -72);
    crown.cubicTo(30, -72, 62, -56, 58 - dx * 0.1, -12);
    crown.quadTo(0, -26, -58 - dx * 0.1, -12);
    crown.closeSubpath();
    Shape(painter, crown, Cap, Line);
    QPainterPath seams;
    seams.moveTo(-dx * 0.1 + dx * 0.4, -71);
    seams.quadTo(-2 + dx * 0.5, -45, dx * 0.6, -21);
    seams.moveTo(-dx * 0.1, -71);
    seams.quadTo(-30 + dx * 0.3, -56, -40 + dx * 0.3, -17);
    seams.moveTo(-dx * 0.1, -71);
    seams.quadTo(30 + dx * 0.3, -56, 40 + dx * 0.3, -17);
    Stroke(painter, seams, Cap.darker(140), Line * 0.6);
    Shape(painter, Ellipse(QPointF(dx * 0.25, -72), 6, 4.5), Cap.darker(115), Line * 0.8);
    QPainterPath shine;
    shine.moveTo(-40, -46);
    shine.quadTo(-30, -62, -12, -66);
    painter.setPen(QPen(Cap.lighter(150), Line * 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(shine);
    // A white pixel badge on the front panel.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const QPointF badge(dx * 0.6, -44);
    for (const QPointF& offset : {QPointF(-6, -6), QPointF(1, -6), QPointF(-6, 1), QPointF(1, 1), QPointF(8, -13)})
        painter.drawRect(QRectF(badge + offset, QSizeF(5.5, 5.5)));
    QPainterPath peak;
    peak.moveTo(-56 + fx * 0.5, -14);
    peak.quadTo(fx, -30, 56 + fx * 0.5, -14);
    peak.cubicTo(52 + fx, 4, -52 + fx, 4, -56 + fx * 0.5, -14);
    peak.closeSubpath();
    Shape(painter, peak, Cap.darker(112), Line);

    const TEyeStyle eye{.rx = 9, .ry = 11, .iris = QColor(0x3c, 0x7d, 0xd9), .outline = Line * 0.85};
    for (double side : {-1.0, 1.0}) {
        Eye(painter, QPointF(side * 20 + dx, 12 + dy), eye, pose);
        painter.save();
        painter.translate(0, 4);
        Brow(painter, QPointF(side * 20 + dx, -6 + dy), 17, 3.6, side < 0 ? 1 : -1, Hair, pose);
        painter.restore();
        Blush(painter, QPointF(side * 32 + dx * 0.8, 30 + dy), 9, 5);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xc9, 0x7a, 0x52));
        for (const QPointF& f : {QPointF(-4, -2), QPointF(3, -3), QPointF(0, 3)})
            painter.drawEllipse(QPointF(side * 32 + dx * 0.8, 28 + dy) + f, 1.5, 1.5);
    }
    Nose(painter, QPointF(dx * 1.1, 24 + dy), 3.5, Line);
    Mouth(painter, QPointF(dx, 35 + dy), 23, pose, Line);
    painter.restore();
}
