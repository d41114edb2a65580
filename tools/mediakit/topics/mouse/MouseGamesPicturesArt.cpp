#include "MouseGamesPicturesArt.h"

#include "MouseGamesPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/cast/Cast.h"
#include "topics/mouse/GameTitles.h"

#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <stdexcept>

namespace MouseGamesPicturesArt {

namespace Places = MouseGamesPlaces;

namespace {

QColor Named(const QMap<QString, QColor>& colours, const QString& name)
{
    if (!colours.contains(name))
        throw std::invalid_argument("unknown colour " + name.toStdString());
    return colours.value(name);
}

const QMap<QString, QColor> ButterflyColours{
    {QStringLiteral("lila"), QColor(0x9b, 0x4f, 0xd0)}, {QStringLiteral("piros"), QColor(0xe0, 0x30, 0x2a)},
    {QStringLiteral("kek"), QColor(0x2f, 0x6f, 0xe0)},  {QStringLiteral("sarga"), QColor(0xf5, 0xc5, 0x18)},
    {QStringLiteral("zold"), QColor(0x2f, 0xae, 0x4a)},
};

const QMap<QString, QColor> BalloonColours{
    {QStringLiteral("lila"), QColor(0x9b, 0x4f, 0xd0)},    {QStringLiteral("piros"), QColor(0xe5, 0x39, 0x35)},
    {QStringLiteral("narancs"), QColor(0xfb, 0x8c, 0x00)}, {QStringLiteral("zold"), QColor(0x43, 0xa0, 0x47)},
    {QStringLiteral("kek"), QColor(0x1e, 0x5f, 0xd0)},     {QStringLiteral("vkek"), QColor(0x6e, 0xc6, 0xf5)},
};

// A butterfly centred on centre, span pixels from wing tip to wing tip.
void DrawButterfly(QPainter& p, QPointF centre, qreal span, QColor wing)
{
    p.save();
    p.translate(centre);
    p.scale(span / 64, span / 64);
    const QColor edge = wing.darker(260);
    for (const int side : {-1, 1}) {
        QPainterPath upper(QPointF(0, -4));
        upper.cubicTo(side * 10, -26, side * 34, -28, side * 30, -8);
        upper.cubicTo(side * 28, 0, side * 12, 2, 0, 0);
        QPainterPath lower(QPointF(0, 0));
        lower.cubicTo(side * 14, 2, side * 26, 10, side * 20, 22);
        lower.cubicTo(side * 14, 28, side * 4, 18, 0, 6);
        p.setPen(QPen(edge, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QRadialGradient shade(QPointF(side * 8, 0), 30);
        shade.setColorAt(0, wing.lighter(135));
        shade.setColorAt(1, wing);
        p.setBrush(shade);
        p.drawPath(upper);
        p.drawPath(lower);
        // Spots on the wings.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawEllipse(QPointF(side * 22, -14), 4.2, 4.2);
        p.drawEllipse(QPointF(side * 14, 14), 3, 3);
        p.setBrush(edge);
        p.drawEllipse(QPointF(side * 27, -20), 2.2, 2.2);
    }
    // The body and antennae.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3a, 0x2a, 0x22));
    p.drawEllipse(QRectF(-3.2, -14, 6.4, 32));
    p.drawEllipse(QPointF(0, -15), 4, 4);
    p.setPen(QPen(QColor(0x3a, 0x2a, 0x22), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const int side : {-1, 1}) {
        QPainterPath feeler(QPointF(side * 1.5, -18));
        feeler.quadTo(side * 4, -26, side * 9, -26);
        p.drawPath(feeler);
        p.setBrush(QColor(0x3a, 0x2a, 0x22));
        p.drawEllipse(QPointF(side * 9, -26), 1.8, 1.8);
        p.setBrush(Qt::NoBrush);
    }
    p.restore();
}

// A balloon whose round body fills body, knot below it, no string.
void DrawBalloonBody(QPainter& p, QRectF body, QColor colour)
{
    p.save();
    const QColor edge = colour.darker(190);
    QPainterPath shape;
    const QPointF c = body.center();
    const qreal rx = body.width() / 2;
    const qreal ry = body.height() / 2;
    // Rounder on top, narrowing to the knot.
    shape.moveTo(c.x(), body.bottom());
    shape.cubicTo(c.x() - rx * 0.55, body.bottom() - ry * 0.15, c.x() - rx, c.y() + ry * 0.35, c.x() - rx, c.y() - ry * 0.1);
    shape.cubicTo(c.x() - rx, body.top() - ry * 0.05, c.x() + rx, body.top() - ry * 0.05, c.x() + rx, c.y() - ry * 0.1);
    shape.cubicTo(c.x() + rx, c.y() + ry * 0.35, c.x() + rx * 0.55, body.bottom() - ry * 0.15, c.x(), body.bottom());
    QRadialGradient shade(QPointF(c.x() - rx * 0.35, c.y() - ry * 0.4), rx * 1.6);
    shade.setColorAt(0, colour.lighter(150));
    shade.setColorAt(0.5, colour);
    shade.setColorAt(1, colour.darker(135));
    p.setPen(QPen(edge, 2.2));
    p.setBrush(shade);
    p.drawPath(shape);
    // A shine, and the knot.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(c.x() - rx * 0.42, c.y() - ry * 0.45), rx * 0.16, ry * 0.22);
    QPainterPath knot(QPointF(c.x(), body.bottom() - 1));
    knot.lineTo(c.x() - rx * 0.12, body.bottom() + ry * 0.12);
    knot.lineTo(c.x() + rx * 0.12, body.bottom() + ry * 0.12);
    knot.closeSubpath();
    p.setPen(QPen(edge, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPath(knot);
    p.restore();
}

void DrawBasketball(QPainter& p, QRectF rect)
{
    p.save();
    const QPointF c = rect.center();
    const qreal r = rect.width() / 2;
    QRadialGradient shade(c - QPointF(r * 0.35, r * 0.4), r * 1.5);
    shade.setColorAt(0, QColor(0xff, 0xa8, 0x50));
    shade.setColorAt(0.6, QColor(0xe8, 0x6a, 0x10));
    shade.setColorAt(1, QColor(0xa8, 0x40, 0x08));
    p.setPen(QPen(QColor(0x2a, 0x16, 0x0a), r * 0.05));
    p.setBrush(shade);
    p.drawEllipse(c, r * 0.97, r * 0.97);
    // The seams: one across, one down and two curving at the sides.
    p.setBrush(Qt::NoBrush);
    p.setClipPath([&] {
        QPainterPath clip;
        clip.addEllipse(c, r * 0.97, r * 0.97);
        return clip;
    }());
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
    for (const int side : {-1, 1}) {
        QPainterPath seam(QPointF(c.x() + side * r * 0.35, c.y() - r));
        seam.quadTo(QPointF(c.x() + side * r * 0.95, c.y()), QPointF(c.x() + side * r * 0.35, c.y() + r));
        p.drawPath(seam);
    }
    p.restore();
}

// A game title: big lettering with a dark rim in a top-to-bottom fill, between two ornaments
// drawn into squares at its ends.
QImage Title(QSize size, const QString& text, QColor top, QColor bottom,
             const std::function<void(QPainter&, const QRectF&, bool left)>& ornament)
{
    QImage image = ArtKit::Transparent(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = size.height() * 0.6;
    const QRectF area(side + 8, 0, size.width() - 2 * side - 16, size.height());
    const int pixels = ArtKit::FittingPixelSize({text}, int(area.width()) - 8, int(size.height() * 0.55));
    const QFont font = ArtKit::LabelFont(pixels);
    const QFontMetricsF metrics(font);
    QPainterPath letters;
    const qreal width = metrics.horizontalAdvance(text);
    const qreal baseline = (size.height() + metrics.capHeight()) / 2;
    letters.addText(QPointF(area.center().x() - width / 2, baseline), font, text);
    p.setPen(QPen(QColor(255, 255, 255, 230), pixels * 0.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(letters);
    p.setPen(QPen(top.darker(300), pixels * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(letters);
    p.setPen(Qt::NoPen);
    p.setBrush(ArtKit::Downwards(QRectF(0, baseline - metrics.capHeight(), size.width(), metrics.capHeight() * 1.3), top,
                                 bottom));
    p.drawPath(letters);
    const qreal y = (size.height() - side) / 2;
    ornament(p, QRectF(4, y, side, side), true);
    ornament(p, QRectF(size.width() - side - 4, y, side, side), false);
    return image;
}

} // namespace

QImage Cloud(int number)
{
    if (number < 1 || number > 5)
        throw std::invalid_argument("cloud numbers run from 1 to 5");
    QImage image = ArtKit::Transparent(Places::Cloud);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The faster clouds trail wind streaks behind them on the left.
    p.setPen(QPen(QColor(0xff, 0xff, 0xff, 235), 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < number - 1; ++i) {
        const qreal y = 34 + i * 11;
        p.drawLine(QPointF(4 + (i % 2) * 6, y), QPointF(34, y));
    }
    QPainterPath puffs;
    puffs.setFillRule(Qt::WindingFill);
    puffs.addEllipse(QPointF(62, 52), 30, 27);
    puffs.addEllipse(QPointF(98, 40), 36, 32);
    puffs.addEllipse(QPointF(134, 54), 28, 24);
    puffs.addRoundedRect(QRectF(36, 50, 124, 30), 15, 15);
    puffs = puffs.simplified();
    // Stormier clouds are a shade greyer underneath; the middle stays white for the caption.
    const QColor under = QColor::fromHsv(210, 20 + number * 6, 238 - number * 8);
    QLinearGradient shade(0, 10, 0, 82);
    shade.setColorAt(0, Qt::white);
    shade.setColorAt(0.78, Qt::white); // the caption's rows, down to y 66
    shade.setColorAt(1, under);
    p.setPen(QPen(QColor(0x8a, 0xa4, 0xc4), 2));
    p.setBrush(shade);
    p.drawPath(puffs);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(88, 28), 16, 9);
    if (number == 5) {
        QPolygonF bolt;
        // The bolt hangs from the cloud's underside, clear of the caption.
        bolt << QPointF(108, 70) << QPointF(94, 88) << QPointF(105, 88) << QPointF(97, 99) << QPointF(124, 82)
             << QPointF(112, 82) << QPointF(120, 70);
        p.setPen(QPen(QColor(0xc0, 0x80, 0x00), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(0xff, 0xd8, 0x20));
        p.drawPolygon(bolt);
    }
    return image;
}

QImage Butterfly(const QString& colour)
{
    QImage image = ArtKit::Transparent(Places::Butterfly);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawButterfly(p, QPointF(32, 30), 62, Named(ButterflyColours, colour));
    return image;
}

QImage ButterflyTitle()
{
    return Title(Places::ButterflyTitle, GameTitles::Butterflies, QColor(0x4c, 0xc2, 0x4a), QColor(0x1c, 0x7a, 0x2c),
                 [](QPainter& p, const QRectF& box, bool left) {
                     DrawButterfly(p, box.center(), box.width(), ButterflyColours.value(left ? "lila" : "sarga"));
                 });
}

QImage NyilacskaPointing(bool right)
{
    QImage image = ArtKit::Transparent(Places::Nyilacska);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    TCastPose pose = TCastPose::Pointing(180);
    pose.mirrored = right;
    pose.mouth = TCastMouth::Grin;
    PaintCastMember(p, TCastMember::Nyilacska, pose, QRectF(image.rect()).adjusted(4, 4, -4, -3));
    return image;
}

QImage LeftRightTitle()
{
    return Title(Places::PanelTitle, GameTitles::LeftRight, QColor(0x5a, 0x9c, 0xf0),
                 QColor(0x1c, 0x4a, 0xb0), [](QPainter& p, const QRectF& box, bool left) {
                     // A fat arrow pointing out to its own side.
                     const qreal w = box.width();
                     QPolygonF arrow;
                     arrow << QPointF(0.05, 0.5) << QPointF(0.5, 0.12) << QPointF(0.5, 0.34) << QPointF(0.95, 0.34)
                           << QPointF(0.95, 0.66) << QPointF(0.5, 0.66) << QPointF(0.5, 0.88);
                     QPolygonF placed;
                     for (const QPointF& q : arrow)
                         placed << box.topLeft() + QPointF((left ? q.x() : 1 - q.x()) * w, q.y() * w);
                     const QColor fill = left ? QColor(0x2f, 0x6f, 0xe0) : QColor(0xe0, 0x30, 0x2a);
                     p.setPen(QPen(fill.darker(200), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                     p.setBrush(fill);
                     p.drawPolygon(placed);
                 });
}

QImage StartButton()
{
    QImage image = ArtKit::Transparent(Places::Start);
    QPainter p(&image);
    ArtKit::DrawStartButton(p, image.rect());
    return image;
}

QImage Balloon(const QString& colour)
{
    const QColor fill = Named(BalloonColours, colour);
    QImage image = ArtKit::Transparent(Places::Balloon);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The string first, so the knot covers its end.
    QPainterPath string(QPointF(50, 152));
    string.cubicTo(36, 172, 64, 192, 50, 208);
    string.quadTo(42, 218, 48, 226);
    p.setPen(QPen(QColor(0x6a, 0x6a, 0x6a), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(string);
    DrawBalloonBody(p, QRectF(4, 4, 92, 140), fill);
    return image;
}

QImage BalloonTitle()
{
    return Title(Places::PanelTitle, GameTitles::Balloons, QColor(0xff, 0x8a, 0x5a), QColor(0xc8, 0x1e, 0x3c),
                 [](QPainter& p, const QRectF& box, bool left) {
                     const qreal w = box.width();
                     const QColor a = BalloonColours.value(left ? "piros" : "kek");
                     const QColor b = BalloonColours.value(left ? "narancs" : "lila");
                     p.setPen(QPen(QColor(0x6a, 0x6a, 0x6a), 1.4));
                     p.drawLine(box.topLeft() + QPointF(0.3 * w, 0.6 * w), box.topLeft() + QPointF(0.5 * w, w));
                     p.drawLine(box.topLeft() + QPointF(0.68 * w, 0.68 * w), box.topLeft() + QPointF(0.5 * w, w));
                     DrawBalloonBody(p, QRectF(box.left() + 0.05 * w, box.top(), 0.5 * w, 0.6 * w), a);
                     DrawBalloonBody(p, QRectF(box.left() + 0.45 * w, box.top() + 0.12 * w, 0.46 * w, 0.56 * w), b);
                 });
}

QImage Ball()
{
    QImage image = ArtKit::Transparent(Places::Ball);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawBasketball(p, QRectF(image.rect()));
    return image;
}

QImage BasketballTitle()
{
    return Title(Places::PanelTitle, GameTitles::Basketball, QColor(0xff, 0xa8, 0x40), QColor(0xd0, 0x50, 0x08),
                 [](QPainter& p, const QRectF& box, bool) { DrawBasketball(p, box.adjusted(8, 8, -8, -8)); });
}

void DrawComputerMouse(QPainter& p, const QRectF& rect, TMouseButton pressed)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = rect.width();
    const qreal cable = rect.height() * 0.1;
    const QRectF body(rect.left() + w * 0.03, rect.top() + cable, w * 0.94, rect.height() - cable - 2);
    const QColor ink = ArtKit::Palette::Ink;
    p.setPen(QPen(QColor(0x4a, 0x50, 0x5c), std::max(2.0, w * 0.025), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath wire(QPointF(body.center().x(), body.top() + 2));
    wire.cubicTo(body.center().x(), rect.top() + cable * 0.5, body.center().x() + w * 0.2, rect.top() + cable * 0.6,
                 body.center().x() + w * 0.18, rect.top());
    p.drawPath(wire);

    const qreal round = body.width() / 2;
    QPainterPath shell;
    shell.addRoundedRect(body, round, round * 1.1);
    p.setPen(QPen(ink, std::max(2.0, w * 0.02)));
    p.setBrush(ArtKit::Downwards(body, QColor(0xfa, 0xfb, 0xfd), QColor(0xc8, 0xce, 0xd8)));
    p.drawPath(shell);

    // The two buttons share the top of the shell, split down the middle.
    const qreal split = body.top() + body.height() * 0.42;
    const QColor red(0xe8, 0x2c, 0x2c);
    for (const bool right : {false, true}) {
        QPainterPath half;
        half.addRect(right ? QRectF(body.center().x(), body.top(), body.width() / 2, split - body.top())
                           : QRectF(body.left(), body.top(), body.width() / 2, split - body.top()));
        const bool held = pressed == (right ? TMouseButton::Right : TMouseButton::Left);
        p.setPen(Qt::NoPen);
        p.setBrush(held ? QBrush(red) : QBrush(ArtKit::Downwards(body, QColor(0xff, 0xff, 0xff), QColor(0xe2, 0xe6, 0xec))));
        p.drawPath(half.intersected(shell));
    }
    p.setPen(QPen(ink, std::max(1.5, w * 0.015)));
    p.drawLine(QPointF(body.left() + 1, split), QPointF(body.right() - 1, split));
    p.drawLine(QPointF(body.center().x(), body.top() + 1), QPointF(body.center().x(), split));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, std::max(2.0, w * 0.02)));
    p.drawPath(shell);
    // The wheel between the buttons.
    const QRectF wheel(body.center().x() - w * 0.05, body.top() + body.height() * 0.13, w * 0.1, body.height() * 0.16);
    p.setPen(QPen(ink, std::max(1.2, w * 0.012)));
    p.setBrush(QColor(0x6a, 0x72, 0x80));
    p.drawRoundedRect(wheel, wheel.width() / 2, wheel.width() / 2);
    p.restore();
}

} // namespace MouseGamesPicturesArt
