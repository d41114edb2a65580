#include "CannonArt.h"

#include "SelectionPlaces.h"
#include "mediakit/ArtKit.h"

#include <QPainter>
#include <QPainterPath>

namespace CannonArt {

namespace Places = SelectionPlaces;

namespace {

const QColor Outline(0x2e, 0x2a, 0x2a);

using ArtKit::Transparent;

} // namespace

QImage Cannon(int n)
{
    QImage image = Transparent(Places::CannonPicture);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF pivot = Places::CannonPivot;
    // The barrel: a dark tapering tube from behind the pivot to its muzzle, 66 px out.
    p.save();
    p.translate(pivot);
    p.rotate(-(n - 1) * 10.0);
    QPainterPath barrel(QPointF(-34, -17));
    barrel.lineTo(60, -12);
    barrel.lineTo(60, 12);
    barrel.lineTo(-34, 17);
    barrel.quadTo(-46, 0, -34, -17);
    QLinearGradient metal(0, -17, 0, 17);
    metal.setColorAt(0, QColor(0x7a, 0x80, 0x8c));
    metal.setColorAt(0.35, QColor(0x4a, 0x50, 0x5c));
    metal.setColorAt(1, QColor(0x22, 0x26, 0x2e));
    p.setPen(QPen(Outline, 2.5));
    p.setBrush(metal);
    p.drawPath(barrel);
    p.setBrush(QColor(0xc9, 0xa2, 0x3a));
    p.drawRoundedRect(QRectF(54, -15, 12, 30), 3, 3);
    p.drawRoundedRect(QRectF(8, -15, 7, 30), 2, 2);
    p.setBrush(QColor(0x14, 0x14, 0x18));
    p.drawEllipse(QRectF(61, -8, 6, 16));
    p.restore();
    // The carriage and the wheel in front of it, on the ground at the picture's bottom.
    QPainterPath carriage(pivot + QPointF(-16, -8));
    carriage.lineTo(pivot + QPointF(16, -4));
    carriage.lineTo(pivot + QPointF(30, 52));
    carriage.lineTo(pivot + QPointF(-78, 62));
    carriage.lineTo(pivot + QPointF(-74, 48));
    carriage.closeSubpath();
    p.setBrush(QColor(0x9a, 0x5e, 0x30));
    p.drawPath(carriage);
    const QPointF hub = pivot + QPointF(4, 30);
    p.setBrush(QColor(0xb8, 0x78, 0x40));
    p.drawEllipse(hub, 34, 34);
    p.setPen(QPen(Outline, 3));
    for (int a = 0; a < 180; a += 30) {
        const QLineF spoke = QLineF::fromPolar(30, a).translated(hub);
        p.drawLine(QLineF(spoke.p2(), hub * 2 - spoke.p2()));
    }
    p.setPen(QPen(Outline, 2.5));
    p.setBrush(QColor(0x6a, 0x44, 0x24));
    p.drawEllipse(hub, 8, 8);
    p.setBrush(QColor(0x4a, 0x50, 0x5c));
    p.drawEllipse(pivot, 7, 7);
    return image;
}

QImage Ball()
{
    QImage image = Transparent(Places::Ball);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shine(QPointF(11, 10), 18);
    shine.setColorAt(0, QColor(0xa8, 0xac, 0xb8));
    shine.setColorAt(0.4, QColor(0x44, 0x48, 0x54));
    shine.setColorAt(1, QColor(0x14, 0x16, 0x1c));
    p.setPen(QPen(Outline, 1.5));
    p.setBrush(shine);
    p.drawEllipse(QRectF(1.5, 1.5, 27, 27));
    return image;
}

QImage Cloud()
{
    QImage image = Transparent(Places::Cloud);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Rain drops under the cloud.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3f, 0x7f, 0xe0));
    for (int i = 0; i < 6; ++i) {
        const QPointF d(40 + i * 24, 88 + (i % 2) * 10);
        QPainterPath drop(d + QPointF(0, -9));
        drop.quadTo(d + QPointF(6, 2), d + QPointF(0, 4));
        drop.quadTo(d + QPointF(-6, 2), d + QPointF(0, -9));
        p.drawPath(drop);
    }
    QPainterPath cloud;
    for (const QRectF& puff : {QRectF(10, 34, 70, 50), QRectF(46, 8, 76, 66), QRectF(96, 18, 66, 56),
                               QRectF(130, 36, 60, 46), QRectF(30, 48, 140, 36)}) {
        QPainterPath one;
        one.addEllipse(puff);
        cloud = cloud.united(one);
    }
    QLinearGradient grey(0, 8, 0, 84);
    grey.setColorAt(0, QColor(0xc4, 0xc8, 0xd2));
    grey.setColorAt(1, QColor(0x78, 0x7e, 0x8c));
    p.setPen(QPen(QColor(0x4a, 0x50, 0x5c), 2.5));
    p.setBrush(grey);
    p.drawPath(cloud);
    // A grumpy face: the target frowns until it is hit.
    p.setPen(QPen(QColor(0x2e, 0x32, 0x3c), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(0x2e, 0x32, 0x3c));
    p.drawEllipse(QPointF(82, 50), 3.5, 4.5);
    p.drawEllipse(QPointF(112, 50), 3.5, 4.5);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(86, 60, 22, 12), 20 * 16, 140 * 16);
    return image;
}

QImage Start()
{
    QImage image = Transparent(Places::StartPicture);
    QPainter p(&image);
    ArtKit::DrawLabelButton(p, image.rect(),
                            {.label = QStringLiteral("START"), .faceTop = QColor(0xf2, 0xff, 0xf4),
                             .faceBottom = QColor(0xbf, 0xec, 0xcb), .accent = ArtKit::Palette::ExitGreen,
                             .lettering = ArtKit::Palette::ExitGreen.darker(190),
                             .sign = [](QPainter& s, const QRectF& disc) {
                                 // A play triangle.
                                 const qreal u = disc.width() / 10;
                                 QPainterPath play(disc.topLeft() + QPointF(3.6 * u, 2.6 * u));
                                 play.lineTo(disc.topLeft() + QPointF(7.8 * u, 5 * u));
                                 play.lineTo(disc.topLeft() + QPointF(3.6 * u, 7.4 * u));
                                 play.closeSubpath();
                                 s.setPen(Qt::NoPen);
                                 s.setBrush(Qt::white);
                                 s.drawPath(play);
                             }});
    return image;
}

} // namespace CannonArt
