#include "MouseLessonsDevicesArt.h"

#include "mediakit/ArtKit.h"
#include "mediakit/cast/CastInk.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace MouseLessonsDevicesArt {

namespace {

using MouseLessonsPlaces::TCursorShape;

const QColor Ink = ArtKit::Palette::Ink;
const QColor Skin(0xff, 0xd6, 0xbc);
const QColor Sleeve(0x4a, 0x8f, 0xd8);

// A point of the box by fractions of its width and height.
QPointF At(const QRectF& box, double x, double y)
{
    return {box.left() + x * box.width(), box.top() + y * box.height()};
}

// The mouse's outline: narrower at the front (top), rounded at the back.
QPainterPath MouseBody(const QRectF& b)
{
    QPainterPath body(At(b, 0.5, 0));
    body.cubicTo(At(b, 0.86, 0), At(b, 1, 0.2), At(b, 1, 0.46));
    body.cubicTo(At(b, 1, 0.8), At(b, 0.8, 1), At(b, 0.5, 1));
    body.cubicTo(At(b, 0.2, 1), At(b, 0, 0.8), At(b, 0, 0.46));
    body.cubicTo(At(b, 0, 0.2), At(b, 0.14, 0), At(b, 0.5, 0));
    return body;
}

double LineWidth(const QRectF& box)
{
    return std::clamp(std::min(box.width(), box.height()) * 0.035, 1.2, 4.0);
}

void Badge(QPainter& p, QPointF centre, double radius, bool good)
{
    p.save();
    p.setPen(QPen(Qt::white, radius * 0.18));
    p.setBrush(good ? QColor(0x2e, 0xa0, 0x4c) : QColor(0xe0, 0x30, 0x30));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(Qt::white, radius * 0.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const double r = radius * 0.45;
    if (good) {
        QPainterPath tick(centre + QPointF(-r, 0));
        tick.lineTo(centre + QPointF(-r * 0.25, r * 0.7));
        tick.lineTo(centre + QPointF(r, -r * 0.65));
        p.drawPath(tick);
    } else {
        p.drawLine(centre + QPointF(-r, -r), centre + QPointF(r, r));
        p.drawLine(centre + QPointF(-r, r), centre + QPointF(r, -r));
    }
    p.restore();
}

// A finger from its knuckle to its tip.
void Finger(QPainter& p, QPointF knuckle, QPointF tip, double width)
{
    CastInk::Limb(p, CastInk::Segment(knuckle, tip), width, Skin, std::max(1.2, width * 0.14));
}

// A two-headed or four-headed black arrow with a white edge, as the system's sizing cursors.
void SizingArrows(QPainter& p, QPointF centre, double reach, bool fourWay)
{
    const double head = reach * 0.42;
    QPainterPath arrows;
    const auto arm = [&](QPointF direction) {
        const QPointF tip = centre + direction * reach;
        const QPointF side(-direction.y(), direction.x());
        arrows.moveTo(centre);
        arrows.lineTo(tip - direction * head * 0.8);
        QPainterPath h(tip);
        h.lineTo(tip - direction * head + side * head * 0.6);
        h.lineTo(tip - direction * head - side * head * 0.6);
        h.closeSubpath();
        arrows.addPath(h);
    };
    arm({0, -1});
    arm({0, 1});
    if (fourWay) {
        arm({1, 0});
        arm({-1, 0});
    }
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, reach * 0.32, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(arrows);
    p.setPen(QPen(Qt::black, reach * 0.13, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::black);
    p.drawPath(arrows);
    p.restore();
}

} // namespace

void DrawComputerMouse(QPainter& p, const QRectF& box, const TMouseLook& look)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double line = LineWidth(box);
    QRectF b = box;
    if (look.cable) {
        b.setTop(box.top() + box.height() * 0.18);
        QPainterPath cable(At(b, 0.5, 0.02));
        cable.cubicTo(At(b, 0.5, -0.12), At(box, 0.8, 0.1), At(box, 0.62, 0));
        p.setPen(QPen(Ink, line * 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(cable);
    }
    const QPainterPath body = MouseBody(b);
    p.setPen(QPen(Ink, line));
    QLinearGradient shell(b.topLeft(), b.topRight());
    shell.setColorAt(0, look.shell.lighter(104));
    shell.setColorAt(0.6, look.shell);
    shell.setColorAt(1, look.shell.darker(125));
    p.setBrush(shell);
    p.drawPath(body);
    if (look.pressed) {
        QPainterPath button;
        button.addRect(QRectF(b.topLeft(), At(b, 0.5, 0.43)));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0x9a, 0x3c));
        p.drawPath(body.intersected(button));
    }
    // The two buttons and the wheel between them.
    p.setPen(QPen(Ink, line * 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawLine(At(b, 0.5, 0), At(b, 0.5, 0.43));
    QPainterPath seam(At(b, 0.02, 0.4));
    seam.quadTo(At(b, 0.5, 0.5), At(b, 0.98, 0.4));
    p.drawPath(seam);
    if (look.wheel) {
        p.setBrush(QColor(0x5a, 0x62, 0x70));
        p.drawRoundedRect(QRectF(At(b, 0.43, 0.09), At(b, 0.57, 0.3)), b.width() * 0.05, b.width() * 0.05);
    }
    p.restore();
}

void DrawMouseUnderside(QPainter& p, const QRectF& box, bool optical)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double line = LineWidth(box);
    p.setPen(QPen(Ink, line));
    p.setBrush(ArtKit::Downwards(box, QColor(0xb8, 0xbe, 0xc8), QColor(0x86, 0x8e, 0x9c)));
    p.drawPath(MouseBody(box));
    // The sliding feet.
    p.setBrush(QColor(0x4a, 0x50, 0x5a));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(At(box, 0.3, 0.06), At(box, 0.7, 0.12)), 3, 3);
    p.drawRoundedRect(QRectF(At(box, 0.25, 0.88), At(box, 0.75, 0.94)), 3, 3);
    const QPointF centre = At(box, 0.5, 0.52);
    const double r = box.width() * 0.22;
    if (optical) {
        QRadialGradient glow(centre, r * 1.3);
        glow.setColorAt(0, QColor(0xff, 0x20, 0x20));
        glow.setColorAt(0.35, QColor(0xff, 0x40, 0x30, 200));
        glow.setColorAt(1, QColor(0xff, 0x40, 0x30, 0));
        p.setBrush(glow);
        p.drawEllipse(centre, r * 1.3, r * 1.3);
        p.setPen(QPen(Ink, line * 0.8));
        p.setBrush(QColor(0xff, 0x50, 0x40));
        p.drawEllipse(centre, r * 0.3, r * 0.3);
    } else {
        p.setPen(QPen(Ink, line));
        p.setBrush(QColor(0x3a, 0x40, 0x4a));
        p.drawEllipse(centre, r * 1.15, r * 1.15);
        QRadialGradient ball(centre - QPointF(r * 0.35, r * 0.35), r * 1.2);
        ball.setColorAt(0, QColor(0xf0, 0xf0, 0xf4));
        ball.setColorAt(1, QColor(0x70, 0x76, 0x84));
        p.setBrush(ball);
        p.drawEllipse(centre, r * 0.9, r * 0.9);
    }
    p.restore();
}

void DrawFieldMouse(QPainter& p, const QRectF& box, bool facingLeft, QColor fur)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (facingLeft) {
        p.translate(box.left() + box.right(), 0);
        p.scale(-1, 1);
    }
    const double line = LineWidth(box);
    const QColor pink(0xf4, 0xa6, 0xb4);
    // The long tail first, behind the body.
    QPainterPath tail(At(box, 0.22, 0.78));
    tail.cubicTo(At(box, 0.02, 0.98), At(box, -0.02, 0.5), At(box, 0.1, 0.42));
    tail.cubicTo(At(box, 0.16, 0.38), At(box, 0.16, 0.3), At(box, 0.06, 0.26));
    p.setPen(QPen(pink.darker(120), line * 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
    // Feet, body, head.
    p.setPen(QPen(Ink, line));
    p.setBrush(pink);
    p.drawEllipse(At(box, 0.36, 0.9), box.width() * 0.06, box.height() * 0.04);
    p.drawEllipse(At(box, 0.62, 0.9), box.width() * 0.06, box.height() * 0.04);
    QRadialGradient coat(At(box, 0.42, 0.5), box.width() * 0.4);
    coat.setColorAt(0, fur.lighter(125));
    coat.setColorAt(1, fur.darker(110));
    p.setBrush(coat);
    p.drawEllipse(At(box, 0.44, 0.66), box.width() * 0.27, box.height() * 0.24);
    QPainterPath head(At(box, 0.58, 0.42));
    head.cubicTo(At(box, 0.7, 0.36), At(box, 0.86, 0.5), At(box, 0.97, 0.62));
    head.cubicTo(At(box, 0.9, 0.72), At(box, 0.72, 0.76), At(box, 0.6, 0.74));
    head.closeSubpath();
    p.drawPath(head);
    // The big round ear, the eye, the nose and whiskers.
    p.setBrush(fur.lighter(110));
    p.drawEllipse(At(box, 0.66, 0.34), box.width() * 0.1, box.height() * 0.13);
    p.setBrush(pink);
    p.setPen(Qt::NoPen);
    p.drawEllipse(At(box, 0.66, 0.35), box.width() * 0.06, box.height() * 0.08);
    p.setBrush(Qt::black);
    p.drawEllipse(At(box, 0.8, 0.52), box.width() * 0.025, box.width() * 0.025);
    p.setBrush(pink.darker(130));
    p.drawEllipse(At(box, 0.965, 0.62), box.width() * 0.025, box.width() * 0.022);
    p.setPen(QPen(Ink, line * 0.5));
    for (double dy : {-0.05, 0.0, 0.05})
        p.drawLine(At(box, 0.9, 0.63), At(box, 1.0, 0.63 + dy * 1.6));
    p.restore();
}

void DrawArrowPointer(QPainter& p, QPointF tip, double height)
{
    const double u = height / 18.0;
    QPainterPath arrow(tip);
    for (QPointF d : {QPointF(0, 16), QPointF(3.8, 12.4), QPointF(6.6, 18), QPointF(9, 17), QPointF(6.3, 11.4),
                      QPointF(11.4, 11.4)})
        arrow.lineTo(tip + d * u);
    arrow.closeSubpath();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, std::max(1.0, u * 0.9), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    p.restore();
}

void DrawCursor(QPainter& p, TCursorShape shape, const QRectF& box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double size = std::min(box.width(), box.height()) * 0.72;
    const QPointF c = box.center();
    switch (shape) {
    case TCursorShape::Arrow:
        DrawArrowPointer(p, c - QPointF(size * 0.3, size * 0.5), size);
        break;
    case TCursorShape::HourGlass: {
        const double w = size * 0.56, h = size;
        const QRectF frame(c.x() - w / 2, c.y() - h / 2, w, h);
        QPainterPath glass(At(frame, 0.1, 0.08));
        glass.lineTo(At(frame, 0.9, 0.08));
        glass.cubicTo(At(frame, 0.9, 0.36), At(frame, 0.56, 0.44), At(frame, 0.56, 0.5));
        glass.cubicTo(At(frame, 0.56, 0.56), At(frame, 0.9, 0.64), At(frame, 0.9, 0.92));
        glass.lineTo(At(frame, 0.1, 0.92));
        glass.cubicTo(At(frame, 0.1, 0.64), At(frame, 0.44, 0.56), At(frame, 0.44, 0.5));
        glass.cubicTo(At(frame, 0.44, 0.44), At(frame, 0.1, 0.36), At(frame, 0.1, 0.08));
        p.setPen(QPen(Qt::black, size * 0.035));
        p.setBrush(QColor(0xf4, 0xfa, 0xff));
        p.drawPath(glass);
        // Sand running down: a little left above, a heap below.
        QPainterPath sand(At(frame, 0.3, 0.3));
        sand.lineTo(At(frame, 0.7, 0.3));
        sand.lineTo(At(frame, 0.5, 0.47));
        sand.closeSubpath();
        QPainterPath heap(At(frame, 0.16, 0.9));
        heap.quadTo(At(frame, 0.5, 0.62), At(frame, 0.84, 0.9));
        heap.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf2, 0xb1, 0x34));
        p.drawPath(sand);
        p.drawPath(heap);
        p.drawRect(QRectF(At(frame, 0.48, 0.46), At(frame, 0.52, 0.8)));
        p.setPen(QPen(Qt::black, size * 0.03));
        p.setBrush(QColor(0x6a, 0x4a, 0x2a));
        p.drawRoundedRect(QRectF(At(frame, -0.08, 0), At(frame, 1.08, 0.09)), 3, 3);
        p.drawRoundedRect(QRectF(At(frame, -0.08, 0.91), At(frame, 1.08, 1)), 3, 3);
        break;
    }
    case TCursorShape::Move:
        SizingArrows(p, c, size * 0.48, true);
        break;
    case TCursorShape::SizeNS:
        SizingArrows(p, c, size * 0.5, false);
        break;
    case TCursorShape::NoDrop: {
        const double r = size * 0.42;
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, r * 0.42));
        p.drawEllipse(c, r, r);
        p.drawLine(c + QPointF(-r * 0.7, -r * 0.7), c + QPointF(r * 0.7, r * 0.7));
        p.setPen(QPen(QColor(0xd8, 0x24, 0x24), r * 0.26));
        p.drawEllipse(c, r, r);
        p.drawLine(c + QPointF(-r * 0.7, -r * 0.7), c + QPointF(r * 0.7, r * 0.7));
        break;
    }
    }
    p.restore();
}

void DrawHandOnMouse(QPainter& p, const QRectF& box, THold hold, double fingerLift)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (hold == THold::Left) {
        p.translate(box.left() + box.right(), 0);
        p.scale(-1, 1);
    }
    const double w = box.width(), h = box.height();
    const bool wrong = hold == THold::Wrong;
    const QRectF mouse(box.left() + w * 0.27, box.top() + h * 0.02, w * 0.46, h * 0.7);
    // The wrong grip holds the mouse turned and only by its back edge.
    const double turn = wrong ? -28 : 0;
    const double down = wrong ? h * 0.2 : 0;
    p.save();
    CastInk::RotateAbout(p, mouse.center(), turn);
    DrawComputerMouse(p, mouse, {.cable = true, .wheel = true, .pressed = fingerLift < 0.05 && !wrong});
    p.restore();

    const double cx = box.left() + w * 0.5;
    const QPointF knuckles(cx, box.top() + h * 0.56 + down);
    // Forearm in a blue sleeve, from the bottom edge to the palm.
    const QPointF wrist(cx + w * 0.03, box.bottom() - h * 0.16);
    CastInk::Limb(p, CastInk::Segment(QPointF(cx + w * 0.06, box.bottom() - w * 0.11), wrist), w * 0.2, Sleeve, 2);
    CastInk::Limb(p, CastInk::Segment(wrist, knuckles + QPointF(0, h * 0.12)), w * 0.2, Skin, 2);
    // The palm, then the fingers over the buttons.
    QPainterPath palm = CastInk::Ellipse(knuckles + QPointF(w * 0.02, h * 0.1), w * 0.14, h * 0.14);
    CastInk::Shape(p, palm, Skin, 2);
    const double finger = w * 0.06;
    const double reach = wrong ? 0.1 : 0.27;
    Finger(p, knuckles + QPointF(-w * 0.13, h * 0.12), knuckles + QPointF(-w * 0.21, -h * 0.06), finger * 1.1); // thumb
    Finger(p, knuckles + QPointF(w * 0.13, h * 0.06), knuckles + QPointF(w * 0.18, -h * (reach - 0.12)), finger * 0.85);
    Finger(p, knuckles + QPointF(w * 0.08, 0), knuckles + QPointF(w * 0.1, -h * (reach - 0.04)), finger * 0.95);
    Finger(p, knuckles + QPointF(w * 0.025, -h * 0.02), knuckles + QPointF(w * 0.04, -h * reach), finger);
    Finger(p, knuckles + QPointF(-w * 0.04, -h * 0.02), knuckles + QPointF(-w * 0.05, -h * (reach + fingerLift * 0.14)),
           finger);
    p.restore();
    // The sign is not mirrored with the hand.
    Badge(p, QPointF(box.right() - w * 0.1, box.top() + h * 0.14), std::min(w, h) * 0.1, !wrong);
}

void DrawTrackball(QPainter& p, const QRectF& box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double line = LineWidth(box);
    const QRectF base = box.adjusted(box.width() * 0.04, box.height() * 0.2, -box.width() * 0.04, -box.height() * 0.04);
    p.setPen(QPen(Ink, line));
    p.setBrush(ArtKit::Downwards(base, QColor(0x5c, 0x66, 0x78), QColor(0x34, 0x3a, 0x48)));
    p.drawRoundedRect(base, base.height() * 0.42, base.height() * 0.42);
    // Two buttons at the front and the big ball on top.
    p.setBrush(ArtKit::Downwards(base, QColor(0xe8, 0xec, 0xf2), QColor(0xb8, 0xc0, 0xcc)));
    p.drawRoundedRect(QRectF(At(base, 0.62, 0.16), At(base, 0.94, 0.48)), 8, 8);
    p.drawRoundedRect(QRectF(At(base, 0.62, 0.54), At(base, 0.94, 0.86)), 8, 8);
    const QPointF centre = At(base, 0.34, 0.42);
    const double r = std::min(base.width() * 0.25, box.height() * 0.44);
    p.setBrush(QColor(0x22, 0x26, 0x30));
    p.drawEllipse(centre, r * 1.1, r * 1.1);
    QRadialGradient ball(centre - QPointF(r * 0.4, r * 0.45), r * 1.3);
    ball.setColorAt(0, QColor(0xff, 0xc0, 0xb0));
    ball.setColorAt(0.4, QColor(0xe8, 0x3a, 0x2a));
    ball.setColorAt(1, QColor(0x80, 0x14, 0x10));
    p.setBrush(ball);
    p.drawEllipse(centre, r, r);
    p.restore();
}

void DrawLaptop(QPainter& p, const QRectF& box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double line = LineWidth(box);
    p.setPen(QPen(Ink, line));
    const QRectF lid(At(box, 0.12, 0), At(box, 0.88, 0.52));
    p.setBrush(QColor(0x4a, 0x52, 0x60));
    p.drawRoundedRect(lid, 8, 8);
    p.setBrush(ArtKit::Downwards(lid, QColor(0x9c, 0xd4, 0xff), QColor(0x4a, 0x8f, 0xd8)));
    p.drawRect(lid.adjusted(lid.width() * 0.05, lid.height() * 0.08, -lid.width() * 0.05, -lid.height() * 0.08));
    QPainterPath deck(At(box, 0.12, 0.54));
    deck.lineTo(At(box, 0.88, 0.54));
    deck.lineTo(At(box, 1, 0.98));
    deck.lineTo(At(box, 0, 0.98));
    deck.closeSubpath();
    p.setBrush(ArtKit::Downwards(box, QColor(0xd8, 0xdc, 0xe4), QColor(0xa8, 0xb0, 0xbc)));
    p.drawPath(deck);
    // Three rows of keys, the touchpad in front of them, highlighted.
    p.setPen(QPen(Ink, line * 0.4));
    p.setBrush(QColor(0xf8, 0xf9, 0xfb));
    for (int row = 0; row < 3; ++row) {
        const double y = 0.58 + row * 0.07;
        const double inset = 0.14 - row * 0.02;
        for (int k = 0; k < 12; ++k) {
            const double x0 = inset + k * (1 - 2 * inset) / 12;
            p.drawRect(QRectF(At(box, x0 + 0.004, y), At(box, x0 + (1 - 2 * inset) / 12 - 0.004, y + 0.055)));
        }
    }
    p.setPen(QPen(QColor(0xf0, 0x8a, 0x1c), line * 1.2));
    p.setBrush(QColor(0xc8, 0xce, 0xd8));
    p.drawRoundedRect(QRectF(At(box, 0.4, 0.8), At(box, 0.6, 0.95)), 4, 4);
    p.restore();
}

void DrawMousePad(QPainter& p, const QRectF& box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF pad = box.adjusted(6, 10, -6, -10);
    ArtKit::DrawCard(p, pad, {.radius = 26, .drop = {0, 6}, .shadow = QColor(0, 0, 0, 60),
                              .fill = ArtKit::Downwards(pad, QColor(0x5a, 0xa8, 0xf0), QColor(0x24, 0x5c, 0xb0)),
                              .edge = QPen(QColor(0x1a, 0x3a, 0x70), 3)});
    // Soft waves across the pad and a sun in its corner.
    p.setClipPath(ArtKit::RoundedRect(pad, 26));
    p.setPen(QPen(QColor(255, 255, 255, 70), 10));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        QPainterPath wave(At(pad, -0.05, 0.55 + i * 0.12));
        wave.cubicTo(At(pad, 0.3, 0.42 + i * 0.12), At(pad, 0.6, 0.7 + i * 0.12), At(pad, 1.05, 0.52 + i * 0.12));
        p.drawPath(wave);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xd8, 0x4a));
    p.drawEllipse(At(pad, 0.14, 0.2), pad.width() * 0.07, pad.width() * 0.07);
    p.setClipping(false);
    DrawComputerMouse(p, QRectF(At(pad, 0.42, 0.12), At(pad, 0.66, 0.82)));
    p.restore();
}

void DrawWaves(QPainter& p, QPointF from, double size, QColor colour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, std::max(2.0, size * 0.1), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        const double r = size * i / 3;
        p.drawArc(QRectF(from.x() - r, from.y() - r, 2 * r, 2 * r), 50 * 16, 80 * 16);
    }
    p.restore();
}

} // namespace MouseLessonsDevicesArt
