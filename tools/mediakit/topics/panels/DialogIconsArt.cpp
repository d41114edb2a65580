#include "DialogIconsArt.h"

#include "mediakit/ArtKit.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace DialogIconsArt {

namespace {

QImage Icon(const std::function<void(QPainter&)>& paint)
{
    QImage image = ArtKit::Transparent(QSize(32, 32));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    painter.end();
    return image;
}

void Disc(QPainter& p, QColor fill)
{
    QRadialGradient shade(QPointF(12, 10), 20);
    shade.setColorAt(0, fill.lighter(135));
    shade.setColorAt(1, fill);
    p.setPen(QPen(fill.darker(150), 1.2));
    p.setBrush(shade);
    p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
}

} // namespace

QImage Information()
{
    return Icon([](QPainter& p) {
        // A white speech bubble, its tail down on the left, on a soft shadow.
        QPainterPath bubble;
        bubble.addEllipse(QRectF(2, 2, 26, 22));
        QPainterPath tail;
        tail.moveTo(9, 19);
        tail.lineTo(18, 22);
        tail.lineTo(11, 30);
        tail.closeSubpath();
        bubble = bubble.united(tail);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawPath(bubble.translated(2, 2));
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::white);
        p.drawPath(bubble);
        // A blue serif "i".
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0xf0));
        p.drawEllipse(QPointF(15, 7.5), 2.6, 2.2);
        p.drawRect(QRectF(13.2, 11, 3.8, 9));
        p.drawRect(QRectF(11, 11, 6, 2));
        p.drawRect(QRectF(11, 19, 8.5, 2));
    });
}

QImage Error()
{
    return Icon([](QPainter& p) {
        Disc(p, QColor(0xd8, 0x1c, 0x1c));
        p.setPen(QPen(Qt::white, 3.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
        p.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
    });
}

QImage Warning()
{
    return Icon([](QPainter& p) {
        QPainterPath triangle;
        triangle.moveTo(16, 2);
        triangle.lineTo(30.5, 29);
        triangle.lineTo(1.5, 29);
        triangle.closeSubpath();
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(0xff, 0xf0, 0x3c));
        p.drawPath(triangle);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawRoundedRect(QRectF(14.2, 10, 3.6, 11), 1.6, 1.6);
        p.drawEllipse(QPointF(16, 24.8), 2, 2);
    });
}

} // namespace DialogIconsArt
