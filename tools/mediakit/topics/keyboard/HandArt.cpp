#include "HandArt.h"

#include "mediakit/ArtKit.h"
#include "mediakit/cast/CastInk.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace HandArt {

namespace {

const QColor Skin(0xf7, 0xc9, 0xa6);
const QColor Nail(0xfb, 0xe4, 0xdc);
const QColor Crease(0xc9, 0x8a, 0x6c);
const QColor Sleeve(0x4a, 0x8f, 0xd8);
const QColor Mud(0x7a, 0x52, 0x2c);
const double Ink = 2.6;

QPainterPath Rounded(const QRectF& r, double radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// A round-ended finger from base to tip.
QPainterPath Capsule(QPointF base, QPointF tip, double width)
{
    const QPointF d = tip - base;
    const double length = std::hypot(d.x(), d.y());
    const double angle = std::atan2(d.y(), d.x()) * 180 / M_PI;
    QPainterPath path;
    path.addRoundedRect(QRectF(-width / 2, -width / 2, length + width, width), width / 2, width / 2);
    QTransform turn;
    turn.translate(base.x(), base.y());
    turn.rotate(angle);
    return turn.map(path);
}

void CreaseLine(QPainter& painter, QPointF from, QPointF control, QPointF to, double width = 1.6)
{
    QPainterPath line(from);
    line.quadTo(control, to);
    painter.setPen(QPen(Crease, width, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
}

// A knitted cuff: a rounded band with ribs.
void DrawCuff(QPainter& painter, const QRectF& band)
{
    CastInk::Shape(painter, Rounded(band, 9), Sleeve, Ink);
    painter.save();
    painter.setClipPath(Rounded(band, 9));
    painter.setPen(QPen(Sleeve.darker(125), 2, Qt::SolidLine, Qt::RoundCap));
    for (double x = band.left() + 8; x < band.right() - 4; x += 8)
        painter.drawLine(QPointF(x, band.top() + 5), QPointF(x, band.bottom() - 5));
    painter.restore();
}

void MudSpot(QPainter& painter, QPointF centre, double radius, int seed)
{
    QPainterPath blot;
    const int points = 9;
    for (int i = 0; i <= points; ++i) {
        const double a = 2 * M_PI * i / points;
        const double wobble = 0.72 + 0.28 * std::sin(seed * 1.7 + i * 2.3);
        const QPointF p = centre + QPointF(std::cos(a), std::sin(a)) * radius * wobble;
        if (i == 0)
            blot.moveTo(p);
        else
            blot.lineTo(p);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(Mud.red(), Mud.green(), Mud.blue(), 215));
    painter.drawPath(blot);
}

} // namespace

void DrawPointingHand(QPainter& painter, QPointF tip, double tilt, bool rightHand)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    ArtKit::Place(painter, tip, tilt);
    // Drawn as a right hand; the left hand is its mirror image.
    if (!rightHand)
        painter.scale(-1, 1);

    // Thumb along the index finger's base, on the thumb side.
    const QPainterPath thumb = Capsule(QPointF(-6, 122), QPointF(-19, 74), 23);
    CastInk::Shape(painter, thumb, Skin, Ink);

    // Back of the hand down to the wrist.
    QPainterPath back;
    back.moveTo(-12, 58);
    back.cubicTo(-16, 96, -10, 128, 2, 150);
    back.lineTo(58, 150);
    back.cubicTo(70, 126, 76, 96, 70, 66);
    back.cubicTo(60, 48, 10, 44, -12, 58);
    back.closeSubpath();
    CastInk::Shape(painter, back, Skin, Ink);

    // The three bent fingers, tucked under, from the little finger in.
    const struct {
        QRectF r;
    } bent[] = {{QRectF(50, 58, 21, 36)}, {QRectF(32, 50, 22, 40)}, {QRectF(12, 46, 23, 42)}};
    for (const auto& finger : bent) {
        CastInk::Shape(painter, Rounded(finger.r, 10.5), Skin, Ink);
        CreaseLine(painter, QPointF(finger.r.left() + 5, finger.r.bottom() - 12),
                   QPointF(finger.r.center().x(), finger.r.bottom() - 9),
                   QPointF(finger.r.right() - 5, finger.r.bottom() - 12));
    }
    // Knuckle dimples on the back of the hand.
    CreaseLine(painter, QPointF(18, 104), QPointF(24, 101), QPointF(30, 104));
    CreaseLine(painter, QPointF(38, 106), QPointF(44, 103), QPointF(50, 106));

    // The pointing index finger, its pad at the origin.
    const QPainterPath index = Rounded(QRectF(-12.5, -13, 25, 92), 12.5);
    CastInk::Shape(painter, index, Skin, Ink);
    painter.setPen(QPen(CastInk::Outline(), 1.3));
    painter.setBrush(Nail);
    painter.drawPath(Rounded(QRectF(-7, -9, 14, 15), 6.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(QPointF(-2.5, -4.5), 2.2, 3.2);
    CreaseLine(painter, QPointF(-6, 24), QPointF(0, 27), QPointF(6, 24));
    CreaseLine(painter, QPointF(-6, 44), QPointF(0, 47), QPointF(6, 44));

    DrawCuff(painter, QRectF(-10, 140, 78, 36));
    painter.restore();
}

void DrawFist(QPainter& painter, QPointF centre, double size, double tilt)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size / 100.0;
    ArtKit::Place(painter, centre, tilt, s);

    // Wrist and sleeve above the fist.
    CastInk::Shape(painter, Rounded(QRectF(-30, -110, 60, 70), 20), Skin, Ink / s);
    DrawCuff(painter, QRectF(-40, -130, 80, 44));

    // The back of the fist, then the four curled fingers along its lower edge.
    CastInk::Shape(painter, Rounded(QRectF(-50, -52, 100, 80), 26), Skin, Ink / s);
    const double fingerWidth = 25;
    for (int i = 0; i < 4; ++i) {
        const QRectF finger(-50 + i * fingerWidth, 4, fingerWidth, 40 - (i == 3 ? 6 : 0));
        CastInk::Shape(painter, Rounded(finger, 12), Skin, Ink / s);
        CreaseLine(painter, QPointF(finger.left() + 6, finger.top() + 12), QPointF(finger.center().x(), finger.top() + 15),
                   QPointF(finger.right() - 6, finger.top() + 12), 1.8 / s);
    }
    // The thumb folded across the fingers.
    const QPainterPath thumb = Capsule(QPointF(-52, -12), QPointF(18, 2), 24);
    CastInk::Shape(painter, thumb, Skin, Ink / s);
    painter.setPen(QPen(CastInk::Outline(), 1.2 / s));
    painter.setBrush(Nail);
    painter.drawPath(Rounded(QRectF(14, -6, 14, 13), 6));
    painter.restore();
}

void DrawOpenHand(QPainter& painter, QPointF palmCentre, double size, double tilt, bool rightHand, bool muddy)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size / 100.0;
    ArtKit::Place(painter, palmCentre, tilt, s);
    // Drawn as a right hand, palm to the viewer: the thumb on the picture's right.
    if (!rightHand)
        painter.scale(-1, 1);

    CastInk::Shape(painter, Rounded(QRectF(-34, 40, 68, 60), 18), Skin, Ink / s);
    DrawCuff(painter, QRectF(-44, 82, 88, 40));

    const struct {
        QPointF base;
        QPointF tip;
        double width;
    } fingers[] = {{{-36, -20}, {-58, -84}, 21}, {{-14, -28}, {-18, -112}, 23}, {{10, -28}, {14, -116}, 23},
                   {{32, -22}, {44, -100}, 22}};
    for (const auto& f : fingers)
        CastInk::Shape(painter, Capsule(f.base, f.tip, f.width), Skin, Ink / s);
    const QPainterPath thumb = Capsule(QPointF(30, 26), QPointF(82, -22), 25);
    CastInk::Shape(painter, thumb, Skin, Ink / s);
    QPainterPath palm;
    palm.addEllipse(QPointF(0, 4), 52, 56);
    CastInk::Shape(painter, palm, Skin, Ink / s);
    // Palm lines.
    CreaseLine(painter, QPointF(-36, -8), QPointF(0, 8), QPointF(34, -14), 2 / s);
    CreaseLine(painter, QPointF(-30, 14), QPointF(-4, 22), QPointF(14, 44), 2 / s);
    // Finger creases.
    for (const auto& f : fingers) {
        const QPointF mid = f.base + (f.tip - f.base) * 0.48;
        const QPointF d = f.tip - f.base;
        const double len = std::hypot(d.x(), d.y());
        const QPointF n(-d.y() / len, d.x() / len);
        CreaseLine(painter, mid + n * 6, mid + (d / len) * 2, mid - n * 6, 1.8 / s);
    }

    if (muddy) {
        const struct {
            QPointF at;
            double r;
        } spots[] = {{{-18, -6}, 16}, {{20, 24}, 12}, {{-24, 34}, 9}, {{14, -40}, 8}, {{-52, -62}, 7},
                     {{44, -72}, 8}, {{64, -8}, 7}, {{-2, 40}, 6}, {{-16, -92}, 6}};
        int seed = 0;
        for (const auto& spot : spots)
            MudSpot(painter, spot.at, spot.r, ++seed);
    }
    painter.restore();
}

} // namespace HandArt
