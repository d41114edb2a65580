#include "ProgramsDesktopArt.h"

#include "ProgramsPlaces.h"
#include "mediakit/ArtKit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <tuple>

namespace ProgramsDesktopArt {

namespace {

namespace Places = ProgramsPlaces;

constexpr int Tile = 64;
const QColor PatternGround(0x9a, 0x5a, 0xa8);

// A pane of glass shaped like a window, its title strip along the top, turned by degrees about
// its middle.
void DrawPane(QPainter& painter, const QRectF& pane, qreal degrees, int strength)
{
    painter.save();
    painter.translate(pane.center());
    painter.rotate(degrees);
    const QRectF r(-pane.width() / 2, -pane.height() / 2, pane.width(), pane.height());
    painter.setPen(QPen(QColor(255, 255, 255, strength * 3), 2));
    painter.setBrush(ArtKit::Downwards(r, QColor(255, 255, 255, strength * 2), QColor(255, 255, 255, strength / 2)));
    painter.drawRoundedRect(r, 10, 10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, strength * 2));
    QPainterPath title;
    title.addRoundedRect(r, 10, 10);
    painter.setClipPath(title);
    painter.drawRect(QRectF(r.left(), r.top(), r.width(), 26));
    painter.restore();
}

// One flower of the pattern's tile: five round petals about a middle.
void DrawFlower(QPainter& painter, QPointF centre, qreal size, const QColor& petals, const QColor& middle)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(petals);
    for (int petal = 0; petal < 5; ++petal) {
        painter.save();
        painter.translate(centre);
        painter.rotate(petal * 72);
        painter.drawEllipse(QPointF(0, -size * 0.62), size * 0.42, size * 0.5);
        painter.restore();
    }
    painter.setBrush(middle);
    painter.drawEllipse(centre, size * 0.34, size * 0.34);
}

QImage PatternTile()
{
    QImage tile(Tile, Tile, QImage::Format_RGB32);
    tile.fill(PatternGround);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    // Every motif is drawn at its place and shifted by a whole tile each way, so what runs over
    // one edge comes back at the other and the tiles meet without a seam.
    for (int dy = -Tile; dy <= Tile; dy += Tile)
        for (int dx = -Tile; dx <= Tile; dx += Tile) {
            const QPointF shift(dx, dy);
            DrawFlower(painter, QPointF(32, 32) + shift, 15, QColor(0xa9, 0x6d, 0xb6), QColor(0xb9, 0x82, 0xc4));
            DrawFlower(painter, QPointF(0, 0) + shift, 9, QColor(0x8e, 0x4f, 0x9c), QColor(0xa4, 0x66, 0xb1));
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0xa6, 0x68, 0xb3));
            for (const QPointF dot : {QPointF(32, 0), QPointF(0, 32)})
                painter.drawEllipse(dot + shift, 2.5, 2.5);
        }
    painter.end();
    return tile;
}

} // namespace

QImage Base()
{
    QImage image(Places::Page, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, 0, image.height());
    ground.setColorAt(0, QColor(0x28, 0x90, 0xc6));
    ground.setColorAt(0.55, QColor(0x1a, 0x78, 0xae));
    ground.setColorAt(1, QColor(0x10, 0x5e, 0x92));
    painter.fillRect(image.rect(), ground);

    // Light falling in from the top right, fading out long before the icons.
    QRadialGradient light(QPointF(930, -80), 720);
    light.setColorAt(0, QColor(255, 255, 255, 80));
    light.setColorAt(0.5, QColor(210, 240, 255, 28));
    light.setColorAt(1, QColor(210, 240, 255, 0));
    painter.fillRect(image.rect(), light);
    const QPointF source(980, -60);
    for (const auto& [towards, spread, strength] :
         {std::tuple{QPointF(300, 700), 60.0, 20}, {QPointF(520, 760), 45.0, 16}, {QPointF(720, 780), 70.0, 14}}) {
        QPainterPath ray(source);
        const QPointF across = QPointF(towards.y() - source.y(), source.x() - towards.x()) /
                               std::hypot(towards.x() - source.x(), towards.y() - source.y());
        ray.lineTo(towards + across * spread);
        ray.lineTo(towards - across * spread);
        ray.closeSubpath();
        QLinearGradient fade(source, towards);
        fade.setColorAt(0, QColor(255, 255, 255, strength));
        fade.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(fade);
        painter.drawPath(ray);
    }

    // Two soft waves across the lower part, ending above the task bar.
    for (const auto& [upper, lower, strength] :
         {std::tuple{ArtKit::Ridge({0, 560}, {{300, 500}, {620, 640}, {1024, 540}}),
                     ArtKit::Ridge({1024, 600}, {{640, 700}, {300, 560}, {0, 620}}), 22},
          {ArtKit::Ridge({0, 640}, {{360, 580}, {700, 690}, {1024, 610}}),
           ArtKit::Ridge({1024, 660}, {{700, 700}, {360, 650}, {0, 690}}), 16}}) {
        QPainterPath band = upper;
        band.connectPath(lower);
        band.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, strength));
        painter.drawPath(band);
    }

    DrawPane(painter, QRectF(690, 110, 250, 170), -7, 12);
    DrawPane(painter, QRectF(800, 330, 180, 130), 6, 10);
    DrawPane(painter, QRectF(600, 300, 150, 110), -3, 8);
    painter.setPen(Qt::NoPen);
    for (const auto& [centre, radius, strength] :
         {std::tuple{QPointF(560, 90), 34.0, 18}, {QPointF(960, 520), 46.0, 14}, {QPointF(470, 250), 20.0, 16},
          {QPointF(880, 640), 24.0, 14}, {QPointF(360, 420), 14.0, 14}}) {
        QRadialGradient bubble(centre, radius);
        bubble.setColorAt(0, QColor(255, 255, 255, strength / 2));
        bubble.setColorAt(0.85, QColor(255, 255, 255, strength));
        bubble.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setBrush(bubble);
        painter.drawEllipse(centre, radius, radius);
    }
    painter.end();
    return image;
}

QImage Plain()
{
    QImage image(Places::Page, QImage::Format_RGB32);
    image.fill(QColor(0x12, 0x86, 0x86));
    return image;
}

QImage Pattern()
{
    const QImage tile = PatternTile();
    QImage image(Places::Page, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, tile.pixel(x % Tile, y % Tile));
    return image;
}

} // namespace ProgramsDesktopArt
