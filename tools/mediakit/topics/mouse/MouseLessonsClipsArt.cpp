#include "MouseLessonsClipsArt.h"

#include "MouseLessonsDevicesArt.h"
#include "mediakit/ArtKit.h"
#include "mediakit/cast/CastPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace MouseLessonsClipsArt {

namespace {

using namespace MouseLessonsDevicesArt;

// A short burst of lines around a word, as a click sounds.
void Burst(QPainter& p, QPointF centre, const QString& word, double strength)
{
    p.save();
    p.setPen(QPen(QColor(0xf0, 0x8a, 0x1c), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 7; ++i) {
        const double a = -150 + i * 20;
        const QPointF d(std::cos(a * M_PI / 180), std::sin(a * M_PI / 180));
        p.drawLine(centre + d * 14, centre + d * (14 + 12 * strength));
    }
    p.setFont(ArtKit::LabelFont(20));
    p.setPen(QColor(0xd0, 0x40, 0x20));
    p.drawText(QRectF(centre.x() - 50, centre.y() - 56, 100, 26), Qt::AlignCenter, word);
    p.restore();
}

void Apple(QPainter& p, QPointF centre, double r)
{
    p.save();
    p.setPen(QPen(QColor(0x7a, 0x1a, 0x14), 2));
    QRadialGradient skin(centre - QPointF(r * 0.35, r * 0.35), r * 1.3);
    skin.setColorAt(0, QColor(0xff, 0x8a, 0x7a));
    skin.setColorAt(1, QColor(0xc8, 0x1c, 0x16));
    p.setBrush(skin);
    p.drawEllipse(centre, r, r * 0.92);
    p.setPen(QPen(QColor(0x6a, 0x44, 0x22), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(0, -r * 0.8), centre + QPointF(r * 0.15, -r * 1.25));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4a, 0xa0, 0x3a));
    p.drawEllipse(centre + QPointF(r * 0.42, -r * 1.1), r * 0.32, r * 0.16);
    p.restore();
}

void Basket(QPainter& p, const QRectF& r, bool front)
{
    p.save();
    p.setPen(QPen(QColor(0x6a, 0x40, 0x1a), 2.5));
    if (!front) {
        p.setBrush(QColor(0x8a, 0x5a, 0x2a));
        p.drawEllipse(QRectF(r.left(), r.top() - 10, r.width(), 20));
    } else {
        QPainterPath body(r.topLeft());
        body.lineTo(r.topRight());
        body.lineTo(r.right() - r.width() * 0.12, r.bottom());
        body.lineTo(r.left() + r.width() * 0.12, r.bottom());
        body.closeSubpath();
        p.setBrush(ArtKit::Downwards(r, QColor(0xe0, 0xaa, 0x60), QColor(0xb0, 0x74, 0x34)));
        p.drawPath(body);
        p.setClipPath(body);
        p.setPen(QPen(QColor(0x8a, 0x5a, 0x2a), 2));
        for (double y = r.top() + 10; y < r.bottom(); y += 12)
            p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
        for (double x = r.left() + 8; x < r.right(); x += 16)
            p.drawLine(QPointF(x, r.top()), QPointF(x + 4, r.bottom()));
    }
    p.restore();
}

} // namespace

std::vector<QImage> ClickClip()
{
    return ArtKit::DrawnFrames(QSize(232, 160), ClickFrames, CastPictures::PageColour, [](QPainter& p, int i) {
        // The finger rises, holds the button down on frames 7 to 9, and rises again.
        const double lift = std::clamp((std::abs(i - 8) - 1) / 4.0, 0.0, 1.0);
        DrawHandOnMouse(p, QRectF(40, 8, 160, 152), THold::Right, lift);
        if (lift < 0.05)
            Burst(p, QPointF(70, 62), QStringLiteral("Klikk!"), 1);
    });
}

std::vector<QImage> DragClip()
{
    const QPointF applePlace(66, 150);
    const QRectF basket(214, 146, 86, 60);
    const QPointF basketIn(257, 142);
    return ArtKit::DrawnFrames(QSize(320, 240), DragFrames, CastPictures::PageColour, [&](QPainter& p, int i) {
        const double t = double(i) / (DragFrames - 1);
        // The pointer comes to the apple, holds the button from 0.2 to 0.75 while carrying it
        // along an arc, lets go over the basket and moves off.
        const bool held = t >= 0.2 && t < 0.75;
        const double carry = std::clamp((t - 0.25) / 0.45, 0.0, 1.0);
        const QPointF start(150, 40);
        QPointF tip;
        QPointF apple = applePlace;
        if (t < 0.2) {
            tip = start + (applePlace - start) * (t / 0.2);
        } else if (t < 0.75) {
            const double s = (1 - std::cos(carry * M_PI)) / 2;
            tip = applePlace + (basketIn - applePlace) * s - QPointF(0, 70 * std::sin(s * M_PI));
            apple = tip;
        } else {
            const double after = (t - 0.75) / 0.25;
            apple = basketIn + QPointF(0, std::min(1.0, after * 3) * 14);
            tip = basketIn + QPointF(30 * after, -50 * after);
        }
        // The table the apple lies on and the basket on the right.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xc8, 0x94, 0x5c));
        p.drawRoundedRect(QRectF(20, 172, 100, 14), 4, 4);
        p.drawRect(QRectF(30, 186, 8, 40));
        p.drawRect(QRectF(102, 186, 8, 40));
        Basket(p, basket, false);
        Apple(p, apple, 20);
        Basket(p, basket, true);
        DrawArrowPointer(p, tip + QPointF(-4, -6), 38);
        // The mouse in the corner shows the left button held down while dragging.
        DrawComputerMouse(p, QRectF(12, 12, 40, 62), {.pressed = held});
    });
}

} // namespace MouseLessonsClipsArt
