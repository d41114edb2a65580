#include "RoadSignsArt.h"

#include "mediakit/ArtKit.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <numbers>

namespace RoadSignsArt {

namespace {

const QSize Size(297, 313);
const QColor SignBlue(0x10, 0x5a, 0xb8);
const QColor SignRed(0xd8, 0x10, 0x20);

// The post from under the plate down to the picture's bottom, then the plate painted by plate.
QImage OnPost(qreal postTop, const std::function<void(QPainter&)>& plate)
{
    QImage image = ArtKit::Transparent(Size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal centre = Size.width() / 2.0;
    painter.setPen(QPen(QColor(0x60, 0x66, 0x70), 1.5));
    painter.setBrush(ArtKit::Downwards(QRectF(centre - 7, postTop, 14, 10), QColor(0xd0, 0xd4, 0xdc), QColor(0x90, 0x96, 0xa0)));
    QLinearGradient across(centre - 7, 0, centre + 7, 0);
    across.setColorAt(0, QColor(0x8a, 0x90, 0x9a));
    across.setColorAt(0.4, QColor(0xe4, 0xe8, 0xee));
    across.setColorAt(1, QColor(0x7a, 0x80, 0x8a));
    painter.setBrush(across);
    painter.drawRect(QRectF(centre - 7, postTop, 14, Size.height() - postTop - 1));
    // A little tuft of grass round the foot.
    painter.setPen(QPen(QColor(0x3a, 0x8a, 0x30), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = -4; i <= 4; ++i)
        painter.drawLine(QPointF(centre + i * 5, Size.height() - 1), QPointF(centre + i * 6.5, Size.height() - 9 - (i % 2 ? 0 : 4)));
    plate(painter);
    painter.end();
    return image;
}

QPainterPath RegularPolygon(QPointF centre, qreal radius, int corners, qreal startDegrees)
{
    QPainterPath path;
    for (int i = 0; i < corners; ++i) {
        const qreal a = (startDegrees + 360.0 * i / corners) * std::numbers::pi / 180;
        const QPointF p = centre + QPointF(std::cos(a) * radius, std::sin(a) * radius);
        i == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

// The text centred in rect, its size lowered from pixelSize until it fits rect's width, so it never
// touches the plate's edge.
void Lettering(QPainter& painter, const QRectF& rect, const QString& text, int pixelSize, QColor colour)
{
    QFont font = ArtKit::LabelFont(pixelSize);
    while (pixelSize > 8 && QFontMetricsF(font).horizontalAdvance(text) > rect.width())
        font = ArtKit::LabelFont(--pixelSize);
    painter.setPen(colour);
    painter.setFont(font);
    painter.drawText(rect, Qt::AlignCenter, text);
}

} // namespace

QImage Restaurant()
{
    return OnPost(200, [](QPainter& p) {
        const QRectF plate(48, 8, 201, 201);
        p.setPen(QPen(Qt::white, 5));
        p.setBrush(SignBlue);
        p.drawRoundedRect(plate.adjusted(2, 2, -2, -2), 14, 14);
        // The white field with a fork and a knife standing side by side.
        const QRectF field(82, 28, 133, 122);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRoundedRect(field, 6, 6);
        p.setBrush(QColor(0x18, 0x18, 0x18));
        const qreal fx = 126;
        for (int i = 0; i < 4; ++i)
            p.drawRoundedRect(QRectF(fx - 15 + i * 9, 40, 4, 32), 2, 2);
        p.drawRoundedRect(QRectF(fx - 16, 68, 34, 10), 5, 5);
        p.drawRoundedRect(QRectF(fx - 4, 72, 9, 68), 4, 4);
        QPainterPath blade;
        blade.moveTo(170, 40);
        blade.cubicTo(188, 52, 188, 86, 178, 98);
        blade.lineTo(168, 98);
        blade.closeSubpath();
        p.drawPath(blade);
        p.drawRoundedRect(QRectF(166, 94, 10, 46), 4, 4);
        Lettering(p, QRectF(52, 154, 193, 48), QStringLiteral("VENDÉGLŐ"), 30, Qt::white);
    });
}

QImage Stop()
{
    return OnPost(220, [](QPainter& p) {
        const QPointF centre(148.5, 118);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(RegularPolygon(centre, 112, 8, 22.5));
        p.setBrush(SignRed);
        p.drawPath(RegularPolygon(centre, 102, 8, 22.5));
        Lettering(p, QRectF(centre.x() - 80, centre.y() - 40, 160, 80), QStringLiteral("STOP"), 64, Qt::white);
    });
}

QImage Signpost()
{
    return OnPost(150, [](QPainter& p) {
        // A board whose left end is an arrow head, pointing the way the car drives.
        QPainterPath board;
        board.moveTo(6, 92);
        board.lineTo(62, 36);
        board.lineTo(286, 36);
        board.lineTo(286, 148);
        board.lineTo(62, 148);
        board.closeSubpath();
        p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(SignBlue);
        p.drawPath(board);
        Lettering(p, QRectF(68, 46, 204, 58), QStringLiteral("Egérvár"), 46, Qt::white);
        Lettering(p, QRectF(68, 100, 204, 40), QStringLiteral("3 km"), 28, QColor(0xff, 0xf0, 0x80));
    });
}

QImage Exclamation()
{
    // The warning dialog that stops the car here reaches 26 px down into the picture: the
    // triangle starts below that, so none of it hides under the dialog.
    return OnPost(226, [](QPainter& p) {
        const QPointF top(148.5, 44);
        const qreal side = 210;
        const qreal height = side * std::sqrt(3.0) / 2;
        QPainterPath outer;
        outer.moveTo(top);
        outer.lineTo(top.x() + side / 2, top.y() + height);
        outer.lineTo(top.x() - side / 2, top.y() + height);
        outer.closeSubpath();
        p.setPen(QPen(SignRed, 20, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::white);
        p.drawPath(outer);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x10, 0x10, 0x10));
        p.drawRoundedRect(QRectF(top.x() - 10, 100, 20, 80), 9, 9);
        p.drawEllipse(QPointF(top.x(), 204), 11, 11);
    });
}

} // namespace RoadSignsArt
