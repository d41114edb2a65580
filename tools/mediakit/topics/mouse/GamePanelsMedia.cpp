#include "GamePanelsMedia.h"

#include "mediakit/ArtKit.h"
#include "mediakit/MediaKit.h"
#include "mediakit/MediaProducer.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <cmath>

namespace GamePanelsMedia {

namespace {

const TMediaProducer gamePanels("mouse-game-panels", [](TMediaKit& kit) {
    kit.WritePicture("egerezes\\game\\infopanel.png", InfoPanel());
    kit.WritePicture("egerezes\\game\\litlpanel.png", SmallPanel());
    kit.WritePicture("egerezes\\game\\grass.png", Grass());
});

// A card in a wooden-yellow frame, its face a pale cream where the blue writing goes.
QImage FramedCard(QSize size)
{
    QImage image = ArtKit::Transparent(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(image.rect()).adjusted(1, 1, -1, -4);
    ArtKit::DrawCard(p, outer, {.radius = 16, .drop = {0, 3}, .fill = ArtKit::Downwards(outer, QColor(0xff, 0xd2, 0x6a),
                                                                                       QColor(0xe8, 0xa0, 0x3a)),
                                .edge = QPen(QColor(0x8a, 0x5a, 0x1c), 2.5)});
    const QRectF face = outer.adjusted(FrameMargin - 2, FrameMargin - 2, -(FrameMargin - 2), -(FrameMargin - 2));
    p.setPen(QPen(QColor(0xc0, 0x80, 0x2c), 1.5));
    p.setBrush(QColor(0xff, 0xfc, 0xf0));
    p.drawRoundedRect(face, 10, 10);
    return image;
}

} // namespace

QImage InfoPanel()
{
    return FramedCard(QSize(800, 320));
}

QImage SmallPanel()
{
    return FramedCard(QSize(220, 130));
}

QImage Grass()
{
    QImage image = ArtKit::Transparent(QSize(1024, 140));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient soil(0, 70, 0, 140);
    soil.setColorAt(0, QColor(0x6c, 0xb8, 0x52));
    soil.setColorAt(1, QColor(0x4a, 0x94, 0x3a));
    p.setPen(Qt::NoPen);
    p.setBrush(soil);
    QPainterPath meadow(QPointF(0, 80));
    meadow.cubicTo(300, 66, 700, 90, 1024, 74);
    meadow.lineTo(1024, 140);
    meadow.lineTo(0, 140);
    p.drawPath(meadow);
    // Blades of grass of different heights, a fixed seed so every build draws the same strip.
    QRandomGenerator random(12);
    for (int x = -4; x < 1030; x += 5) {
        const double height = 30 + random.bounded(60);
        const double lean = random.bounded(21) - 10;
        const QColor green = QColor::fromHsv(95 + random.bounded(25), 150 + random.bounded(60), 140 + random.bounded(70));
        QPainterPath blade(QPointF(x - 4, 140));
        blade.quadTo(QPointF(x + lean * 0.3, 140 - height * 0.5), QPointF(x + lean, 140 - height));
        blade.quadTo(QPointF(x + 2 + lean * 0.3, 140 - height * 0.5), QPointF(x + 4, 140));
        blade.closeSubpath();
        p.setBrush(green);
        p.drawPath(blade);
    }
    // A few flowers in the grass.
    for (int i = 0; i < 14; ++i) {
        const QPointF c(30 + i * 73 + random.bounded(30), 70 + random.bounded(40));
        p.setBrush(i % 2 ? QColor(0xff, 0xf4, 0xf8) : QColor(0xff, 0xd8, 0x4a));
        for (int k = 0; k < 5; ++k)
            p.drawEllipse(c + QPointF(5 * std::cos(k * 1.2566), 5 * std::sin(k * 1.2566)), 3.6, 3.6);
        p.setBrush(QColor(0xf0, 0x8a, 0x1c));
        p.drawEllipse(c, 2.4, 2.4);
    }
    return image;
}

} // namespace GamePanelsMedia
