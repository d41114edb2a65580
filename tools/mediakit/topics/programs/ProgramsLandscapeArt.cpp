#include "ProgramsLandscapeArt.h"

#include "ProgramsPlaces.h"
#include "mediakit/ArtKit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace ProgramsLandscapeArt {

namespace {

namespace Places = ProgramsPlaces;

constexpr int Shore = 516;  // where the far woods meet the water
constexpr int Meadow = 606; // where the near bank starts, at its highest

// Softened as a lens blurs: shrunk by factor and spread back.
QImage Soft(const QImage& image, int factor)
{
    const QSize small(std::max(1, image.width() / factor), std::max(1, image.height() / factor));
    return image.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A rough ridge through the given peaks and saddles: between each two of them the line is broken
// again and again at its middle, shifted up or down by a share of its length.
std::vector<QPointF> Rugged(const std::vector<QPointF>& through, double roughness, QRandomGenerator& random)
{
    std::vector<QPointF> line{through.front()};
    for (size_t i = 0; i + 1 < through.size(); ++i) {
        std::vector<QPointF> piece{through[i], through[i + 1]};
        while (piece[1].x() - piece[0].x() > 3) {
            std::vector<QPointF> finer{piece.front()};
            for (size_t k = 0; k + 1 < piece.size(); ++k) {
                const QPointF a = piece[k];
                const QPointF b = piece[k + 1];
                const double shift = (random.generateDouble() - 0.5) * (b.x() - a.x()) * roughness;
                finer.push_back((a + b) / 2 + QPointF(0, shift));
                finer.push_back(b);
            }
            piece.swap(finer);
        }
        line.insert(line.end(), piece.begin() + 1, piece.end());
    }
    return line;
}

// Everything below the line, down to the bottom of the picture.
QPainterPath Below(const std::vector<QPointF>& line, double bottom)
{
    QPainterPath area(QPointF(line.front().x(), bottom));
    for (const QPointF& point : line)
        area.lineTo(point);
    area.lineTo(line.back().x(), bottom);
    area.closeSubpath();
    return area;
}

void DrawSky(QPainter& painter)
{
    QLinearGradient sky(0, 0, 0, Shore);
    sky.setColorAt(0, QColor(0x30, 0x66, 0xa8));
    sky.setColorAt(0.5, QColor(0x42, 0x7e, 0xbc));
    sky.setColorAt(0.8, QColor(0x5c, 0x92, 0xc6));
    sky.setColorAt(1, QColor(0xc8, 0xdc, 0xea));
    painter.fillRect(QRect(0, 0, 1024, Shore), sky);
    QRadialGradient sun(QPointF(700, 150), 260);
    sun.setColorAt(0, QColor(255, 252, 235, 110));
    sun.setColorAt(1, QColor(255, 252, 235, 0));
    painter.fillRect(QRect(0, 0, 1024, Shore), sun);
}

// Heaps of cloud, drawn sharp on their own layer and softened before they go into the sky.
void DrawClouds(QPainter& painter, QRandomGenerator& random)
{
    QImage layer = ArtKit::Transparent(Places::Page);
    QPainter clouds(&layer);
    clouds.setRenderHint(QPainter::Antialiasing);
    clouds.setPen(Qt::NoPen);
    for (const auto& [centre, width] : {std::pair{QPointF(420, 150), 230.0}, {QPointF(720, 90), 170.0},
                                        {QPointF(900, 250), 150.0}, {QPointF(300, 330), 110.0}, {QPointF(610, 300), 90.0}}) {
        for (int puff = 0; puff < 26; ++puff) {
            const double x = centre.x() + (random.generateDouble() - 0.5) * width;
            const double lift = 1 - std::abs(x - centre.x()) / width * 1.6;
            const double y = centre.y() - random.generateDouble() * width * 0.22 * lift;
            const double r = width * (0.08 + 0.1 * random.generateDouble()) * (0.6 + lift);
            clouds.setBrush(QColor(0xb8, 0xc8, 0xd8, 200)); // the shaded underside first
            clouds.drawEllipse(QPointF(x, y + r * 0.35), r, r * 0.7);
            clouds.setBrush(QColor(0xfc, 0xfd, 0xff, 235));
            clouds.drawEllipse(QPointF(x, y), r, r * 0.75);
        }
    }
    clouds.end();
    painter.drawImage(0, 0, Soft(layer, 4));
}

void DrawMountains(QPainter& painter, QRandomGenerator& random)
{
    // The far range, snow above its tree line, bluish in the haze.
    const std::vector<QPointF> far = Rugged({{-10, 452}, {180, 436}, {330, 360}, {470, 300}, {560, 350}, {690, 236},
                                             {800, 330}, {880, 280}, {1034, 380}},
                                            0.32, random);
    const QPainterPath range = Below(far, Shore + 10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArtKit::Downwards(QRectF(0, 236, 1024, Shore - 236), QColor(0x7e, 0x96, 0xb8), QColor(0xa8, 0xbc, 0xd2)));
    painter.drawPath(range);
    painter.save();
    painter.setClipPath(range);
    // Snow on the upper slopes, its lower edge ragged.
    std::vector<QPointF> snowLine = Rugged({{-10, 330}, {400, 342}, {700, 318}, {1034, 336}}, 0.5, random);
    QPainterPath snow(QPointF(-10, 0));
    for (const QPointF& point : snowLine)
        snow.lineTo(point);
    snow.lineTo(1034, 0);
    snow.closeSubpath();
    painter.setBrush(ArtKit::Downwards(QRectF(0, 230, 1024, 110), QColor(0xf6, 0xf8, 0xfc), QColor(0xd6, 0xe0, 0xec)));
    painter.drawPath(snow);
    // The slope on the right of each peak lies in shade, down to the next saddle.
    for (const auto& [peak, saddle] : {std::pair{470.0, 560.0}, {690.0, 800.0}, {880.0, 1034.0}}) {
        QPainterPath slope;
        for (const QPointF& point : far)
            if (point.x() >= peak && point.x() <= saddle) {
                if (slope.elementCount() == 0)
                    slope.moveTo(point);
                else
                    slope.lineTo(point);
            }
        slope.lineTo(saddle, Shore + 10);
        slope.lineTo(peak, Shore + 10);
        slope.closeSubpath();
        // Soft where the light turns, below the peak, and where the next mountain rises.
        QLinearGradient shade(peak, 0, saddle, 0);
        shade.setColorAt(0, QColor(0x40, 0x50, 0x70, 0));
        shade.setColorAt(40 / (saddle - peak), QColor(0x40, 0x50, 0x70, 50));
        shade.setColorAt(0.8, QColor(0x40, 0x50, 0x70, 40));
        shade.setColorAt(1, QColor(0x40, 0x50, 0x70, 0));
        painter.setBrush(shade);
        painter.drawPath(slope);
    }
    painter.restore();

    // The nearer hills, blue green.
    const std::vector<QPointF> hills =
        Rugged({{-10, 470}, {200, 448}, {420, 470}, {640, 430}, {860, 462}, {1034, 440}}, 0.12, random);
    painter.setBrush(ArtKit::Downwards(QRectF(0, 430, 1024, 90), QColor(0x5a, 0x78, 0x7a), QColor(0x46, 0x66, 0x5c)));
    painter.drawPath(Below(hills, Shore + 10));
}

// Pines along the far shore, darker the nearer they stand.
void DrawWoods(QPainter& painter, QRandomGenerator& random)
{
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        const QColor colour = QColor(0x2e, 0x5a, 0x3a).darker(100 + row * 18);
        for (double x = -8; x < 1034; x += 4 + random.generateDouble() * 5) {
            const double foot = Shore + 2 - row * 4 + random.generateDouble() * 3;
            const double tall = 18 + row * 8 + random.generateDouble() * 22 + 10 * std::sin(x / 90.0 + row);
            const double half = tall * (0.2 + random.generateDouble() * 0.06);
            QPainterPath pine(QPointF(x, foot - tall));
            pine.lineTo(x + half, foot);
            pine.lineTo(x - half, foot);
            pine.closeSubpath();
            painter.setBrush(colour.lighter(95 + random.bounded(12)));
            painter.drawPath(pine);
        }
    }
}

// The lake mirrors what stands above its shore, darker and broken by ripples.
void DrawLake(QPainter& painter, const QImage& land, QRandomGenerator& random)
{
    const QRect water(0, Shore, 1024, Meadow + 40 - Shore);
    QLinearGradient deep(0, water.top(), 0, water.bottom());
    deep.setColorAt(0, QColor(0x6c, 0x94, 0xb6));
    deep.setColorAt(1, QColor(0x2c, 0x5c, 0x86));
    painter.fillRect(water, deep);
    const QImage mirrored = land.copy(0, Shore - water.height(), 1024, water.height()).mirrored(false, true);
    painter.setOpacity(0.55);
    painter.drawImage(water.topLeft(), Soft(mirrored, 3));
    painter.setOpacity(1);
    painter.fillRect(water, QColor(0x20, 0x40, 0x60, 40));
    for (int ripple = 0; ripple < 140; ++ripple) {
        const double y = water.top() + 3 + std::pow(random.generateDouble(), 0.8) * water.height();
        const double x = random.generateDouble() * 1024;
        const double length = 10 + random.generateDouble() * 60 * (y - water.top()) / water.height();
        painter.setPen(QPen(QColor(0xe8, 0xf2, 0xfa, 40 + random.bounded(50)), 1));
        painter.drawLine(QPointF(x, y), QPointF(x + length, y));
    }
}

void DrawMeadow(QPainter& painter, QRandomGenerator& random)
{
    QPainterPath bank = ArtKit::Ridge({0, Meadow + 18}, {{300, Meadow - 6}, {640, Meadow + 30}, {1024, Meadow}});
    bank.lineTo(1024, 768);
    bank.lineTo(0, 768);
    bank.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArtKit::Downwards(QRectF(0, Meadow, 1024, 768 - Meadow), QColor(0x8c, 0xb8, 0x4a), QColor(0x3c, 0x74, 0x28)));
    painter.drawPath(bank);
    painter.save();
    painter.setClipPath(bank);
    // Blades of grass, then flowers among them.
    for (int blade = 0; blade < 9000; ++blade) {
        const double x = random.generateDouble() * 1024;
        const double y = Meadow - 4 + random.generateDouble() * (768 - Meadow);
        const double depth = (y - Meadow) / (768 - Meadow);
        const double tall = 3 + depth * 14 * random.generateDouble();
        const double lean = (random.generateDouble() - 0.5) * tall * 0.6;
        const QColor colour = random.bounded(3) == 0 ? QColor(0xb4, 0xd6, 0x6a) : QColor(0x2c, 0x5e, 0x20);
        painter.setPen(QPen(QColor(colour.red(), colour.green(), colour.blue(), 70 + random.bounded(80)), 0.8 + depth * 1.4));
        painter.drawLine(QPointF(x, y), QPointF(x + lean, y - tall));
    }
    const QColor flowers[] = {QColor(0xff, 0xf4, 0x7a), QColor(0xff, 0xff, 0xff), QColor(0xf0, 0x5a, 0x6a),
                              QColor(0xc8, 0x8a, 0xf0)};
    painter.setPen(Qt::NoPen);
    for (int flower = 0; flower < 420; ++flower) {
        const double x = random.generateDouble() * 1024;
        const double depth = std::pow(random.generateDouble(), 1.6);
        const double y = Meadow + 6 + depth * (680 - Meadow);
        painter.setBrush(flowers[random.bounded(4)]);
        const double r = 0.8 + depth * 2.6;
        painter.drawEllipse(QPointF(x, y), r, r * 0.8);
    }
    painter.restore();
}

// A birch at the right edge, its crown hanging into the picture.
void DrawBirch(QPainter& painter, QRandomGenerator& random)
{
    QPainterPath trunk(QPointF(968, 768));
    trunk.cubicTo(QPointF(972, 600), QPointF(958, 420), QPointF(984, 110));
    trunk.lineTo(998, 110);
    trunk.cubicTo(QPointF(986, 420), QPointF(1000, 600), QPointF(1000, 768));
    trunk.closeSubpath();
    painter.setPen(Qt::NoPen);
    // White bark, greyer down where the grass shades it.
    painter.setBrush(ArtKit::Downwards(QRectF(960, 560, 40, 208), QColor(0xee, 0xec, 0xe4), QColor(0x7c, 0x88, 0x70)));
    painter.drawPath(trunk);
    painter.save();
    painter.setClipPath(trunk);
    painter.setBrush(QColor(0x30, 0x30, 0x30, 200));
    for (int mark = 0; mark < 30; ++mark) {
        const double y = 150 + random.generateDouble() * 618;
        painter.drawRect(QRectF(950 + random.generateDouble() * 40, y, 6 + random.generateDouble() * 16, 2 + random.generateDouble() * 3));
    }
    painter.fillRect(QRectF(988, 150, 20, 618), QColor(0x60, 0x60, 0x58, 60));
    painter.restore();
    // The crown hangs in loose clumps: dark leaves deep in each clump, lit ones over them.
    const QPointF clumps[] = {{990, 90}, {935, 150}, {1010, 170}, {905, 235}, {970, 245}, {1030, 280}, {945, 315}};
    // Thin branches from the trunk out to each clump.
    painter.setBrush(Qt::NoBrush);
    for (const QPointF& clump : clumps) {
        painter.setPen(QPen(QColor(0x6a, 0x60, 0x58), 2.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(988, clump.y() + 50), clump);
    }
    painter.setPen(Qt::NoPen);
    for (const bool lit : {false, true})
        for (const QPointF& clump : clumps)
            for (int leaf = 0; leaf < (lit ? 340 : 90); ++leaf) {
                const double angle = random.generateDouble() * 2 * std::numbers::pi;
                const double reach = std::sqrt(random.generateDouble()) * (lit ? 54 : 44);
                const QPointF at = clump + QPointF(std::cos(angle) * reach, std::sin(angle) * reach * 0.8 + (lit ? 6 : 0));
                const int light = random.bounded(50);
                painter.setBrush(lit ? QColor(0x5a + light, 0x96 + light, 0x30 + light / 2, 200)
                                     : QColor(0x2a + light / 2, 0x5a + light / 2, 0x22, 220));
                const double size = lit ? 1.8 + random.generateDouble() * 2.2 : 4 + random.generateDouble() * 5;
                painter.drawEllipse(at, size, size * 0.7);
            }
}

// The corners darker, as through a camera's lens, and a fine grain over everything.
void Finish(QImage& image, QRandomGenerator& random)
{
    {
        QPainter painter(&image);
        QRadialGradient corners(QPointF(540, 380), 720);
        corners.setColorAt(0.6, QColor(0, 0, 0, 0));
        corners.setColorAt(1, QColor(0, 0, 0, 70));
        painter.fillRect(image.rect(), corners);
    }
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = random.bounded(7) - 3;
            line[x] = qRgb(std::clamp(qRed(line[x]) + grain, 0, 255), std::clamp(qGreen(line[x]) + grain, 0, 255),
                           std::clamp(qBlue(line[x]) + grain, 0, 255));
        }
    }
}

} // namespace

QImage Landscape()
{
    QRandomGenerator random(1296);
    QImage image(Places::Page, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawSky(painter);
    DrawClouds(painter, random);
    DrawMountains(painter, random);
    DrawWoods(painter, random);
    painter.end();
    const QImage land = image.copy();
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawLake(painter, land, random);
    DrawMeadow(painter, random);
    DrawBirch(painter, random);
    // The lens is focused on the lake: the front of the meadow goes soft, more so further down.
    const int soft = 660;
    QImage front = Soft(image.copy(0, soft, 1024, 768 - soft), 6);
    QImage fade = ArtKit::Transparent(front.size());
    {
        QPainter mask(&fade);
        QLinearGradient in(0, 0, 0, 40);
        in.setColorAt(0, QColor(0, 0, 0, 0));
        in.setColorAt(1, QColor(0, 0, 0, 255));
        mask.fillRect(fade.rect(), in);
        mask.setCompositionMode(QPainter::CompositionMode_SourceIn);
        mask.drawImage(0, 0, front);
    }
    painter.drawImage(0, soft, fade);
    painter.end();
    Finish(image, random);
    return image;
}

} // namespace ProgramsLandscapeArt
