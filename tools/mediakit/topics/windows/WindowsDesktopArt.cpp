#include "WindowsDesktopArt.h"

#include "WindowsPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/PaintedPage.h"

#include <QPainter>
#include <QPainterPath>

namespace WindowsDesktopArt {

namespace {

const QColor SkyTop(0x3f, 0x86, 0xd6);
const QColor SkyHorizon(0xc8, 0xe6, 0xf8);
const QColor FarHill(0x8c, 0xc8, 0x6a);
const QColor NearHillTop(0x5c, 0xb0, 0x3c);
const QColor NearHillFoot(0x2f, 0x7e, 0x2a);

// A hill's ridge across the picture from left to right, level at each of the given heights.
QPainterPath Ridge(std::initializer_list<QPointF> crests)
{
    QPainterPath hill;
    const QPointF* previous = nullptr;
    for (const QPointF& crest : crests) {
        if (!previous) {
            hill.moveTo(crest);
        } else {
            const qreal middle = (previous->x() + crest.x()) / 2;
            hill.cubicTo(QPointF(middle, previous->y()), QPointF(middle, crest.y()), crest);
        }
        previous = &crest;
    }
    return hill;
}

void DrawCloud(QPainter& painter, QPointF centre, qreal size)
{
    QPainterPath cloud;
    cloud.addEllipse(centre + QPointF(-size * 0.9, size * 0.1), size * 0.7, size * 0.45);
    cloud.addEllipse(centre + QPointF(-size * 0.2, -size * 0.25), size * 0.75, size * 0.6);
    cloud.addEllipse(centre + QPointF(size * 0.6, -size * 0.05), size * 0.65, size * 0.5);
    cloud.addEllipse(centre + QPointF(size * 1.1, size * 0.2), size * 0.5, size * 0.35);
    cloud.setFillRule(Qt::WindingFill);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x9e, 0xc2, 0xe4, 90)); // its grey underside
    painter.drawPath(cloud.translated(0, size * 0.12));
    painter.setBrush(ArtKit::Downwards(cloud.boundingRect(), QColor(255, 255, 255, 245), QColor(0xe8, 0xf2, 0xfb, 235)));
    painter.drawPath(cloud.simplified());
}

// A round tree standing on the ground at foot, height tall.
void DrawTree(QPainter& painter, QPointF foot, qreal tall)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x7a, 0x52, 0x30));
    painter.drawRect(QRectF(foot.x() - tall * 0.05, foot.y() - tall * 0.45, tall * 0.1, tall * 0.45));
    const QRectF crown(foot.x() - tall * 0.3, foot.y() - tall, tall * 0.6, tall * 0.65);
    painter.setBrush(ArtKit::Downwards(crown, QColor(0x4f, 0xa8, 0x3a), QColor(0x27, 0x6e, 0x24)));
    painter.drawEllipse(crown);
}

} // namespace

QImage Desktop()
{
    TPaintedPage page(QImage(1024, 768, QImage::Format_RGB32), WindowsPlaces::BackArea);
    QPainter& painter = page.painter;
    const auto clouds = [](QPainter& sky) {
        DrawCloud(sky, QPointF(150, 110), 46);
        DrawCloud(sky, QPointF(520, 70), 34);
        DrawCloud(sky, QPointF(700, 210), 40);
        DrawCloud(sky, QPointF(320, 250), 28);
    };
    const QPainterPath far = Ridge({{0, 470}, {260, 400}, {560, 455}, {820, 390}, {1024, 430}});
    const QPainterPath near = Ridge({{0, 540}, {330, 600}, {640, 520}, {1024, 580}});
    ArtKit::DrawLandscape(painter,
                          {.frame = page.image.rect(),
                           .sky = {{0, SkyTop}, {1, SkyHorizon}},
                           .horizon = 520,
                           .sun = {.centre = {860, 120}, .radius = 40, .colour = QColor(0xff, 0xf3, 0xb0), .glow = 150},
                           .inSky = clouds,
                           .hills = {{far, FarHill, FarHill.darker(115)}, {near, NearHillTop, NearHillFoot}}});
    // Trees on the far hill.
    DrawTree(painter, QPointF(800, 400), 64);
    DrawTree(painter, QPointF(850, 404), 46);
    DrawTree(painter, QPointF(248, 408), 52);
    // Light along the crest of the near hill.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xa6, 0xdc, 0x7a, 150), 5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath crest;
    crest.moveTo(0, 542);
    crest.cubicTo(165, 542, 165, 602, 330, 602);
    crest.cubicTo(485, 602, 485, 522, 640, 522);
    crest.cubicTo(832, 522, 832, 582, 1024, 582);
    painter.drawPath(crest);

    return page.Finish();
}

} // namespace WindowsDesktopArt
