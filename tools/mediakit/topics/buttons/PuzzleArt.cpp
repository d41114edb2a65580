#include "PuzzleArt.h"

#include "ButtonsPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/cast/Cast.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace PuzzleArt {

namespace {

void DrawSun(QPainter& painter, QPointF centre, qreal radius)
{
    painter.setPen(QPen(QColor(0xff, 0xb8, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        const QPointF d(std::cos(a), std::sin(a));
        painter.drawLine(centre + d * radius * 1.25, centre + d * radius * 1.6);
    }
    QRadialGradient fill(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
    fill.setColorAt(0, QColor(0xff, 0xf6, 0x9a));
    fill.setColorAt(1, QColor(0xff, 0xc4, 0x20));
    painter.setPen(QPen(QColor(0xe8, 0x9a, 0x12), 1.5));
    painter.setBrush(fill);
    painter.drawEllipse(centre, radius, radius);
}

void DrawCloud(QPainter& painter, QPointF at, qreal size)
{
    QPainterPath cloud;
    cloud.addEllipse(at + QPointF(-size, 0), size * 0.8, size * 0.55);
    cloud.addEllipse(at + QPointF(0, -size * 0.35), size * 0.9, size * 0.7);
    cloud.addEllipse(at + QPointF(size, 0), size * 0.8, size * 0.55);
    painter.setPen(QPen(QColor(0xb8, 0xcc, 0xe4), 1.5));
    painter.setBrush(Qt::white);
    painter.drawPath(cloud.simplified());
}

void DrawFlower(QPainter& painter, QPointF at, qreal size, QColor petals)
{
    painter.setPen(QPen(QColor(0x2e, 0x7a, 0x2c), 2));
    painter.drawLine(at, at + QPointF(0, size * 2.2));
    painter.setPen(QPen(petals.darker(150), 1));
    painter.setBrush(petals);
    for (int i = 0; i < 5; ++i) {
        const qreal a = i * 2 * M_PI / 5;
        painter.drawEllipse(at + QPointF(std::cos(a), std::sin(a)) * size * 0.6, size * 0.5, size * 0.5);
    }
    painter.setBrush(QColor(0xff, 0xd8, 0x30));
    painter.drawEllipse(at, size * 0.4, size * 0.4);
}

void DrawGarden(QPainter& painter, const QRectF r)
{
    // A rainbow, the sun and a cloud; rolling hills, then the meadow.
    const auto sky = [](QPainter& p) {
        ArtKit::DrawClipArt(p, QStringLiteral("recreation/party/rainbow_linda_kim_01.svg"), QRectF(70, 18, 175, 110));
        DrawSun(p, QPointF(40, 40), 20);
        DrawCloud(p, QPointF(200, 30), 16);
    };
    const QPainterPath ridge =
        ArtKit::Ridge({0, 150}, {{60, 118}, {120, 126}, {170, 146}, {205, 128}, {235, 124}, {255, 134}});
    ArtKit::DrawLandscape(painter, {.frame = r,
                                    .sky = {{0, QColor(0x5c, 0xaa, 0xf0)}, {1, QColor(0xc8, 0xe8, 0xff)}},
                                    .inSky = sky,
                                    .hills = {{ridge, QColor(0x7c, 0xcc, 0x50), QColor(0x3c, 0x96, 0x34)}}});
    ArtKit::DrawClipArt(painter, QStringLiteral("plants/trees/tree_whit_fruits_01.svg"), QRectF(178, 72, 80, 110));
    const QColor petals[] = {QColor(0xff, 0x5a, 0x7a), QColor(0xff, 0xf2, 0x5a), QColor(0xb0, 0x70, 0xf0),
                             QColor(0xff, 0x9a, 0x30), QColor(0xff, 0xff, 0xff)};
    for (int i = 0; i < 9; ++i)
        DrawFlower(painter, QPointF(12 + i * 29, 206 + (i * 37) % 30), 6 + (i % 3), petals[i % 5]);
    TCastPose nora = TCastPose::Waving(0.3);
    PaintCastMember(painter, TCastMember::Nora, nora, QRectF(50, 92, 100, 150));
    TCastPose dog = TCastPose::Standing();
    dog.mouth = TCastMouth::Grin;
    dog.tailWag = 0.7;
    PaintCastMember(painter, TCastMember::Lemezke, dog, QRectF(132, 168, 80, 76));
}

void DrawTrainRide(QPainter& painter, const QRectF r)
{
    painter.fillRect(r, ArtKit::Downwards(r, QColor(0xff, 0xb0, 0x70), QColor(0xff, 0xe8, 0xb8)));
    DrawCloud(painter, QPointF(60, 36), 14);
    DrawCloud(painter, QPointF(150, 70), 11);
    ArtKit::DrawClipArt(painter, QStringLiteral("recreation/party/balloons_01.svg"), QRectF(150, 4, 100, 120));
    // The railway embankment with its track.
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArtKit::Downwards(QRectF(0, 150, 255, 105), QColor(0x9a, 0xd2, 0x5a), QColor(0x4c, 0x9a, 0x3a)));
    painter.drawRect(QRectF(0, 158, 255, 97));
    painter.setBrush(QColor(0x8a, 0x6a, 0x4a));
    for (int x = 2; x < 255; x += 14)
        painter.drawRect(QRectF(x, 202, 8, 7));
    painter.setPen(QPen(QColor(0x60, 0x60, 0x68), 2.5));
    painter.drawLine(QPointF(0, 203), QPointF(255, 203));
    painter.drawLine(QPointF(0, 208), QPointF(255, 208));
    ArtKit::DrawClipArt(painter, QStringLiteral("recreation/toys/kiddy_train_orlando_kara_.svg"), QRectF(6, 120, 120, 88));
    for (int i = 0; i < 6; ++i)
        ArtKit::DrawStar(painter, QPointF(20 + i * 44, 232 + (i % 2) * 10), 7, QColor(0xff, 0xe0, 0x40 + i * 20));
    TCastPose tivadar = TCastPose::Waving(0.7);
    PaintCastMember(painter, TCastMember::Tivadar, tivadar, QRectF(140, 90, 100, 150));
}

} // namespace

QImage Picture(int n)
{
    QImage image(ButtonsPlaces::PuzzlePicture, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (n == 1)
        DrawGarden(painter, image.rect());
    else
        DrawTrainRide(painter, image.rect());
    painter.end();
    return image;
}

QImage Thumbnail(int n)
{
    const QRect choice = ButtonsPlaces::PuzzleChoice1;
    QImage image(choice.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(4, 4, choice.width() - 8, choice.height() - 8), Picture(n));
    painter.setPen(QPen(QColor(0x55, 0x60, 0x78), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1, 1, choice.width() - 2, choice.height() - 2));
    painter.end();
    return image;
}

} // namespace PuzzleArt
