#include "ProgramsSignsArt.h"

#include "ProgramsPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/TopicStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace ProgramsSignsArt {

namespace {

namespace Places = ProgramsPlaces;

QColor Accent()
{
    return TopicStyle::Accent(QStringLiteral("PROGRAMOK"));
}

// The arrow pointing up with its point at the origin: a wide head over a stout shaft, 94 long.
QPainterPath UpArrow()
{
    QPainterPath arrow(QPointF(0, 0));
    arrow.lineTo(48, 50);
    arrow.lineTo(20, 50);
    arrow.lineTo(20, 94);
    arrow.lineTo(-20, 94);
    arrow.lineTo(-20, 50);
    arrow.lineTo(-48, 50);
    arrow.closeSubpath();
    return arrow;
}

} // namespace

QImage Arrow(TArrow direction)
{
    // Where the point lies in the picture, which way it looks, and the size.
    struct TPlacing {
        QPointF point;
        qreal degrees;
        qreal scale;
    };
    const TPlacing placing = direction == TArrow::Up     ? TPlacing{{57, 6}, 0, 1}
                             : direction == TArrow::Down ? TPlacing{{38, 72}, 180, 0.66}
                             : direction == TArrow::Left ? TPlacing{{6, 55}, -90, 1}
                                                         : TPlacing{{104, 55}, 90, 1};
    QTransform place;
    place.translate(placing.point.x(), placing.point.y());
    place.rotate(placing.degrees);
    place.scale(placing.scale, placing.scale);
    const QPainterPath arrow = place.map(UpArrow());

    QImage image = ArtKit::Transparent(Places::Arrow);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const auto rim = [&](const QColor& colour, qreal width, const QPainterPath& path) {
        painter.setPen(QPen(colour, width * placing.scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(colour);
        painter.drawPath(path);
    };
    // A soft shadow down and to the right, then the dark rim, a light inner rim and the body lit
    // from above.
    rim(QColor(0x20, 0x20, 0x30, 40), 9, arrow.translated(2, 3));
    rim(QColor(0x9a, 0x4a, 0x06), 9, arrow);
    rim(QColor(0xff, 0xf2, 0xb8), 4, arrow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArtKit::Downwards(arrow.boundingRect(), QColor(0xff, 0xd8, 0x4a), QColor(0xf4, 0x8c, 0x18)));
    painter.drawPath(arrow);
    painter.end();
    return image;
}

QImage InfoPanel()
{
    QImage image = ArtKit::Transparent(Places::InfoPanelPicture);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor accent = Accent();
    const QRectF card = QRectF(image.rect()).adjusted(2, 2, -4, -5);
    ArtKit::DrawCard(painter, card,
                     {.radius = 16, .drop = {2, 3}, .shadow = QColor(0, 0, 0, 60),
                      .fill = ArtKit::Downwards(card, QColor(0xff, 0xff, 0xff), QColor(0xee, 0xf6, 0xfb)),
                      .edge = QPen(accent.darker(120), 3)});
    // The header band, with a white "i" at its right end.
    QPainterPath outline = ArtKit::RoundedRect(card.adjusted(1.5, 1.5, -1.5, -1.5), 15);
    painter.save();
    painter.setClipPath(outline);
    const QRectF band(card.left(), card.top(), card.width(), 36);
    painter.fillRect(band, ArtKit::Downwards(band, accent.lighter(125), accent));
    painter.fillRect(QRectF(band.left(), band.bottom(), band.width(), 2), accent.darker(130));
    painter.restore();
    const QPointF disc(card.right() - 26, band.center().y() + 1);
    painter.setPen(QPen(accent.darker(140), 1.2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(disc, 12, 12);
    painter.setPen(Qt::NoPen);
    painter.setBrush(accent.darker(115));
    painter.drawEllipse(disc + QPointF(0, -6), 2.2, 2.2);
    painter.drawRoundedRect(QRectF(disc.x() - 2, disc.y() - 2, 4, 10), 1.2, 1.2);
    painter.end();
    return image;
}

QImage BackSign()
{
    QImage image = ArtKit::Transparent(Places::BackSign);
    QPainter painter(&image);
    ArtKit::DrawBackButton(painter, image.rect());
    painter.end();
    return image;
}

QImage StartMenu()
{
    QImage image(Places::StartMenuPicture, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QRect all = image.rect();
    // The raised frame: light on the top and left, shadowed on the bottom and right.
    painter.fillRect(QRect(0, 0, all.width(), 1), QColor(0xd4, 0xd0, 0xc8));
    painter.fillRect(QRect(0, 0, 1, all.height()), QColor(0xd4, 0xd0, 0xc8));
    painter.fillRect(QRect(0, all.height() - 1, all.width(), 1), QColor(0x40, 0x40, 0x40));
    painter.fillRect(QRect(all.width() - 1, 0, 1, all.height()), QColor(0x40, 0x40, 0x40));
    painter.fillRect(QRect(1, all.height() - 2, all.width() - 2, 1), QColor(0x80, 0x80, 0x80));
    painter.fillRect(QRect(all.width() - 2, 1, 1, all.height() - 2), QColor(0x80, 0x80, 0x80));

    // The band down the left, darker at the foot, the course's name reading upwards from there.
    const QColor accent = Accent();
    const QRect band(1, 1, Places::StartMenuRowLeft - 1, all.height() - 3);
    painter.fillRect(band, ArtKit::Downwards(band, accent.lighter(115), accent.darker(170)));
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(band.left(), band.bottom());
    painter.rotate(-90);
    painter.setFont(ArtKit::LabelFont(17));
    painter.setPen(Qt::white);
    painter.drawText(QRect(10, 0, 200, band.width()), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Bitlak"));
    painter.restore();

    // Etched lines in the gaps before "Programok" and "Kijelentkezés".
    const int* tops = Places::StartMenuRowTops;
    for (const int next : {8, 14}) {
        const int y = (tops[next - 1] + Places::StartMenuRowHeight + tops[next]) / 2;
        painter.fillRect(QRect(band.right() + 4, y - 1, all.width() - band.right() - 9, 1), QColor(0x80, 0x80, 0x80));
        painter.fillRect(QRect(band.right() + 4, y, all.width() - band.right() - 9, 1), Qt::white);
    }
    painter.end();
    return image;
}

} // namespace ProgramsSignsArt
