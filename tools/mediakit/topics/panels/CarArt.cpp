#include "CarArt.h"

#include "mediakit/ArtKit.h"
#include "mediakit/cast/Cast.h"
#include "mediakit/cast/CastPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace CarArt {

namespace {

const QSize ClipSize(320, 147);
// The car's front wheel touches the ground here in the rolling clip; the rear wheel stands
// WheelBase further right.
const QPointF RestingGround(78, 143);
constexpr double WheelBase = 160;
constexpr double WheelRadius = 24;

void PaintWheel(QPainter& painter, QPointF centre, double spin)
{
    painter.save();
    painter.translate(centre);
    painter.setPen(QPen(QColor(0x1a, 0x1a, 0x1a), 2));
    painter.setBrush(QColor(0x2a, 0x2a, 0x2e));
    painter.drawEllipse(QPointF(0, 0), WheelRadius, WheelRadius);
    painter.setBrush(QColor(0xd8, 0xdc, 0xe4));
    painter.drawEllipse(QPointF(0, 0), WheelRadius * 0.6, WheelRadius * 0.6);
    // Five spokes: turning left, the wheel runs anticlockwise; one spoke step is 72 degrees.
    painter.rotate(-spin * 72);
    painter.setPen(QPen(QColor(0x70, 0x76, 0x80), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        painter.drawLine(QPointF(0, 0), QPointF(0, -WheelRadius * 0.56));
        painter.rotate(72);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0x30, 0x30));
    painter.drawEllipse(QPointF(0, 0), 4, 4);
    painter.restore();
}

// Lemezke sitting at the wheel, facing left: what is above the car's side shows, head, ears,
// collar and the paw on the wheel. seat is the middle of his place, beltline the side's top.
void PaintDriver(QPainter& painter, QPointF seat, double beltline)
{
    TCastPose pose = TCastPose::Waving(0.25);
    pose.mirrored = true;
    pose.headTurn = -0.5;
    pose.mouth = TCastMouth::Grin;
    painter.save();
    painter.setClipRect(QRectF(seat.x() - 80, 0, 160, beltline));
    PaintCastMember(painter, TCastMember::Lemezke, pose, QRectF(seat.x() - 55, beltline - 70, 110, 96));
    painter.restore();
}

} // namespace

void PaintCar(QPainter& painter, QPointF ground, double spin, double bob)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double axle = ground.y() - WheelRadius;
    const QPointF front(ground.x(), axle);
    const QPointF rear(ground.x() + WheelBase, axle);
    painter.translate(0, -bob);

    // The driver first, so the car's side hides his legs.
    PaintDriver(painter, QPointF(ground.x() + 100, 0), axle - 33);

    const QColor red = QColor::fromRgba(BodyRed);
    const QColor dark = red.darker(150);
    const double x = ground.x();
    QPainterPath body;
    body.moveTo(x - 62, axle + 2);                 // the nose, low at the front
    body.cubicTo(x - 64, axle - 16, x - 40, axle - 26, x - 2, axle - 30);
    body.lineTo(x + 52, axle - 36);                // the long bonnet up to the windscreen
    body.lineTo(x + 128, axle - 36);               // the open cockpit's edge
    body.cubicTo(x + 160, axle - 38, x + 200, axle - 40, x + 214, axle - 46); // the tail's fin
    body.lineTo(x + 222, axle - 42);
    body.cubicTo(x + 226, axle - 26, x + 224, axle - 6, x + 216, axle + 4);
    body.lineTo(x - 58, axle + 8);
    body.closeSubpath();
    // The paint is exactly the chooser's red; only a soft shine along the top lights it.
    painter.setPen(QPen(dark, 2.5));
    painter.setBrush(red);
    painter.drawPath(body);
    painter.save();
    painter.setClipPath(body);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 70));
    painter.drawRect(QRectF(x - 70, axle - 50, 300, 14));
    painter.restore();
    // Wheel arches cut out of the body, dark inside.
    painter.setBrush(QColor(0x3a, 0x10, 0x10));
    painter.drawEllipse(front, WheelRadius + 5, WheelRadius + 5);
    painter.drawEllipse(rear, WheelRadius + 5, WheelRadius + 5);
    // A white racing stripe along the side, and the door's line.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xff, 0xff, 235));
    QPainterPath stripe;
    stripe.moveTo(x - 52, axle - 14);
    stripe.lineTo(x + 218, axle - 24);
    stripe.lineTo(x + 218, axle - 19);
    stripe.lineTo(x - 54, axle - 9);
    stripe.closeSubpath();
    painter.drawPath(stripe);
    painter.setPen(QPen(dark, 1.5));
    painter.drawLine(QPointF(x + 56, axle - 34), QPointF(x + 58, axle + 4));
    painter.drawLine(QPointF(x + 124, axle - 34), QPointF(x + 124, axle + 2));
    // The race number on the door: a white disc with a black 12.
    const QPointF disc(x + 91, axle - 14);
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(disc, 17, 15);
    painter.setPen(QColor(0x10, 0x10, 0x10));
    painter.setFont(ArtKit::LabelFont(20));
    painter.drawText(QRectF(disc.x() - 17, disc.y() - 15, 34, 30), Qt::AlignCenter, QStringLiteral("12"));
    // The low windscreen before the open cockpit, and the steering wheel.
    painter.setPen(QPen(QColor(0x50, 0x60, 0x70), 2));
    painter.setBrush(QColor(0xc8, 0xe8, 0xff, 150));
    QPainterPath screen;
    screen.moveTo(x + 50, axle - 36);
    screen.lineTo(x + 66, axle - 66);
    screen.lineTo(x + 72, axle - 66);
    screen.lineTo(x + 60, axle - 36);
    screen.closeSubpath();
    painter.drawPath(screen);
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 3));
    painter.drawLine(QPointF(x + 70, axle - 40), QPointF(x + 80, axle - 52));
    // Headlight and tail light.
    painter.setPen(QPen(QColor(0x80, 0x70, 0x20), 1));
    painter.setBrush(QColor(0xff, 0xf4, 0xa0));
    painter.drawEllipse(QPointF(x - 54, axle - 10), 6, 4);
    painter.setBrush(QColor(0xff, 0xa0, 0x30));
    painter.drawRect(QRectF(x + 216, axle - 34, 6, 8));
    // Bumpers.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xb0, 0xb4, 0xbc));
    painter.drawRoundedRect(QRectF(x - 66, axle - 2, 22, 7), 3, 3);
    painter.drawRoundedRect(QRectF(x + 206, axle - 2, 20, 7), 3, 3);
    painter.restore();

    // The wheels stay on the ground while the body bobs.
    PaintWheel(painter, front, spin);
    PaintWheel(painter, rear, spin);
}

namespace {

QImage Frame()
{
    QImage frame(ClipSize, QImage::Format_RGB32);
    frame.fill(CastPictures::PageColour);
    return frame;
}

// Puffs of dust blown back behind the car (towards the right).
void PaintDust(QPainter& painter, QPointF behind, double phase)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        const double t = std::fmod(phase + i / 3.0, 1.0);
        painter.setBrush(QColor(0xa8, 0x98, 0x80, int(150 * (1 - t))));
        painter.drawEllipse(behind + QPointF(8 + 30 * t, -4 - 10 * t), 5 + 7 * t, 4 + 5 * t);
    }
    painter.restore();
}

} // namespace

std::vector<QImage> RollingClip()
{
    std::vector<QImage> frames;
    for (int i = 0; i < RollingFrames; ++i) {
        const double phase = double(i) / RollingFrames;
        QImage frame = Frame();
        QPainter painter(&frame);
        PaintDust(painter, RestingGround + QPointF(WheelBase + 24, -4), phase);
        PaintCar(painter, RestingGround, 2 * phase, 1.5 * std::sin(2 * std::numbers::pi * 2 * phase));
        painter.end();
        frames.push_back(frame);
    }
    return frames;
}

std::vector<QImage> LeavingClip()
{
    std::vector<QImage> frames;
    // The car speeds up from where the rolling clip holds it until all of it is past the left edge.
    const double distance = RestingGround.x() + WheelBase + 90;
    for (int i = 0; i < LeavingFrames; ++i) {
        const double t = double(i) / (LeavingFrames - 1);
        const double travelled = distance * t * t;
        QImage frame = Frame();
        QPainter painter(&frame);
        const QPointF ground = RestingGround - QPointF(travelled, 0);
        PaintDust(painter, ground + QPointF(WheelBase + 24, -4), 3 * t);
        PaintCar(painter, ground, travelled / (2 * std::numbers::pi * WheelRadius / 5), 0);
        painter.end();
        frames.push_back(frame);
    }
    return frames;
}

} // namespace CarArt
