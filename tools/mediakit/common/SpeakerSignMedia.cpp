// The speaker sign every page shows at its top right: a blue button with a loudspeaker and its
// sound waves, on a transparent ground so that any page's picture shows around it.

#include "framework/ReadAloud.h"
#include "mediakit/ArtKit.h"
#include "mediakit/MediaKit.h"
#include "mediakit/MediaProducer.h"

#include <QPainter>
#include <QPainterPath>

namespace {

using namespace ArtKit;

QImage SpeakerSign()
{
    const QSize size = ReadAloud::SignArea.size();
    QImage image = Transparent(size, QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(2, 1, -2, -3);
    DrawCard(painter, disc, {.radius = disc.height() / 2, .drop = {0, 2},
                             .fill = Downwards(disc, Palette::Sky.lighter(125), Palette::Sky.darker(115)),
                             .edge = QPen(Palette::Sky.darker(150), 1.5)});

    // The loudspeaker: a box and its cone, facing right.
    const qreal u = disc.height() / 10;
    const QPointF o = disc.topLeft() + QPointF(disc.width() / 2 - 4.2 * u, 0);
    QPainterPath speaker(o + QPointF(1.0 * u, 3.8 * u));
    speaker.lineTo(o + QPointF(2.6 * u, 3.8 * u));
    speaker.lineTo(o + QPointF(4.8 * u, 1.9 * u));
    speaker.lineTo(o + QPointF(4.8 * u, 8.1 * u));
    speaker.lineTo(o + QPointF(2.6 * u, 6.2 * u));
    speaker.lineTo(o + QPointF(1.0 * u, 6.2 * u));
    speaker.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(speaker);

    // Two waves going out of it.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1.3 * u, Qt::SolidLine, Qt::RoundCap));
    for (const qreal radius : {1.8 * u, 3.3 * u}) {
        const QPointF centre = o + QPointF(4.9 * u, 5 * u);
        painter.drawArc(QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)), -50 * 16, 100 * 16);
    }
    painter.end();
    return image;
}

void Produce(TMediaKit& kit)
{
    kit.WritePicture(ReadAloud::SignPicture, SpeakerSign());
}

const TMediaProducer Producer("speaker_sign", Produce);

} // namespace
