#include "AppIcon.h"

#include "mediakit/ArtKit.h"
#include "mediakit/cast/Cast.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace AppIcon {

namespace {

// Below this the face would be a smudge; the key alone reads better.
const int SmallestWithGuide = 48;

void DrawTile(QPainter& painter, const QRectF& tile)
{
    QLinearGradient sky(tile.topLeft(), tile.bottomLeft());
    sky.setColorAt(0, ArtKit::Palette::Sky.lighter(125));
    sky.setColorAt(1, ArtKit::Palette::Sky.darker(115));
    QPainterPath path;
    path.addRoundedRect(tile, tile.width() * 0.2, tile.width() * 0.2);
    painter.fillPath(path, sky);
}

// The kit's key has a side and a bevel that blur below 48 pixels; a flat key with a large letter
// stays readable down to 16.
void DrawFlatKey(QPainter& painter, const QRectF& key)
{
    QPainterPath path;
    path.addRoundedRect(key, key.width() * 0.18, key.width() * 0.18);
    painter.fillPath(path, QColor(0xff, 0xe0, 0xe4));
    painter.setPen(QPen(ArtKit::Palette::Ink, qMax(1.0, key.width() / 14)));
    painter.drawPath(path);
    painter.setFont(ArtKit::LabelFont(int(key.height() * 0.78)));
    painter.drawText(key, Qt::AlignCenter, QStringLiteral("B"));
}

} // namespace

QImage Draw(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal margin = size / 16.0;
    DrawTile(painter, QRectF(margin, margin, size - 2 * margin, size - 2 * margin));

    if (size < SmallestWithGuide) {
        const qreal key = size * 0.66;
        DrawFlatKey(painter, QRectF((size - key) / 2, (size - key) / 2, key, key));
        return image;
    }
    // The key sits down and left, so that the head has the upper right corner.
    const qreal key = size * 0.56;
    ArtKit::DrawKey(painter, QRectF(size * 0.14, size * 0.32, key, key).toRect(), QStringLiteral("B"),
        QColor(0xff, 0xe0, 0xe4));
    const qreal head = size * 0.42;
    PaintCastHead(painter, TCastMember::Nyilacska, TCastPose::Standing(),
        QRectF(size - margin - head * 0.95, margin * 0.6, head, head));
    return image;
}

} // namespace AppIcon
