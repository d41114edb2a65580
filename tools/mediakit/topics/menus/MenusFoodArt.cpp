#include "MenusFoodArt.h"

#include "MenusPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/cast/CastInk.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <functional>
#include <iterator>
#include <numbers>
#include <stdexcept>
#include <string>

namespace MenusFoodArt {

namespace {

using namespace CastInk;
using ArtKit::Downwards;
using ArtKit::Transparent;

const double Ink = 2; // outline width of the food, in pixels

const QColor Porcelain(0xfd, 0xfd, 0xfb);
const QColor PorcelainShade(0xe6, 0xe8, 0xec);
const QColor Chocolate(0x6b, 0x3a, 0x22);
const QColor Cream(0xfb, 0xf1, 0xd8);
const QColor Strawberry(0xe2, 0x33, 0x4a);
const QColor Punch(0xf2, 0x6a, 0xa4);
const QColor Leaf(0x4c, 0xa4, 0x48);

QPainterPath RoundRect(const QRectF& rect, double radius)
{
    return ArtKit::RoundedRect(rect, radius);
}

// A plate seen a little from above, resting on the bottom edge of rect; returns the ellipse of
// its well, where the food lies.
QRectF DrawPlate(QPainter& painter, const QRectF& rect, double depth = 0.34)
{
    const double w = rect.width();
    const double h = w * depth;
    const QRectF rim(rect.left(), rect.bottom() - h - 2, w, h);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x40, 0x30, 0x20, 40));
    painter.drawEllipse(rim.translated(2, 3));
    Shape(painter, Ellipse(rim.center(), rim.width() / 2, rim.height() / 2), Porcelain, Ink);
    const QRectF well = rim.adjusted(w * 0.14, h * 0.16, -w * 0.14, -h * 0.2);
    painter.setPen(QPen(PorcelainShade.darker(110), 1.2));
    painter.setBrush(Downwards(well, PorcelainShade, Porcelain));
    painter.drawEllipse(well);
    return well;
}

// A round cork coaster under a glass, on the bottom edge of rect; returns its top ellipse.
QRectF DrawCoaster(QPainter& painter, const QRectF& rect)
{
    const QRectF top(rect.left(), rect.bottom() - rect.width() * 0.32 - 4, rect.width(), rect.width() * 0.32);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x40, 0x30, 0x20, 40));
    painter.drawEllipse(top.translated(2, 4));
    Flat(painter, Ellipse(top.center() + QPointF(0, 3), top.width() / 2, top.height() / 2), QColor(0xb8, 0x8a, 0x52), Ink);
    Shape(painter, Ellipse(top.center(), top.width() / 2, top.height() / 2), QColor(0xde, 0xb6, 0x80), Ink);
    painter.setPen(QPen(QColor(0xb8, 0x8a, 0x52), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(top.adjusted(top.width() * 0.14, top.height() * 0.14, -top.width() * 0.14, -top.height() * 0.14));
    return top;
}

// A cube seen from the front and a little above: the front face and the top face, each painted
// by its own brush; size is the front face's.
void DrawCube(QPainter& painter, QPointF frontBottomLeft, QSizeF size, double depth, const QBrush& front,
              const QBrush& top)
{
    const QRectF face(frontBottomLeft.x(), frontBottomLeft.y() - size.height(), size.width(), size.height());
    QPolygonF lid;
    lid << face.topLeft() << face.topRight() << face.topRight() + QPointF(depth * 0.5, -depth)
        << face.topLeft() + QPointF(depth * 0.5, -depth);
    QPolygonF side;
    side << face.topRight() << face.topRight() + QPointF(depth * 0.5, -depth)
         << face.bottomRight() + QPointF(depth * 0.5, -depth) << face.bottomRight();
    painter.setPen(QPen(Outline(), Ink * 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(front);
    painter.drawRect(face);
    painter.setBrush(top);
    painter.drawPolygon(lid);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawPolygon(side);
}

void DrawSteam(QPainter& painter, QPointF from, double height, int wisps)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x9a, 0xa8, 0xb8, 150), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < wisps; ++i) {
        const QPointF base = from + QPointF((i - (wisps - 1) / 2.0) * height * 0.32, 0);
        QPainterPath wisp;
        wisp.moveTo(base);
        wisp.cubicTo(base + QPointF(-height * 0.18, -height * 0.3), base + QPointF(height * 0.18, -height * 0.6),
                     base + QPointF(0, -height));
        painter.drawPath(wisp);
    }
}

void DrawStrawberry(QPainter& painter, QPointF centre, double size)
{
    QPainterPath berry;
    berry.moveTo(centre + QPointF(0, size));
    berry.cubicTo(centre + QPointF(-size * 1.1, size * 0.2), centre + QPointF(-size * 0.9, -size * 0.8),
                  centre + QPointF(0, -size * 0.6));
    berry.cubicTo(centre + QPointF(size * 0.9, -size * 0.8), centre + QPointF(size * 1.1, size * 0.2),
                  centre + QPointF(0, size));
    Shape(painter, berry, Strawberry, Ink * 0.8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xe8, 0x8a));
    for (const QPointF seed : {QPointF(-0.35, -0.1), QPointF(0.3, -0.15), QPointF(0, 0.3), QPointF(-0.3, 0.45),
                               QPointF(0.32, 0.4), QPointF(0, -0.35)})
        painter.drawEllipse(centre + seed * size, size * 0.07, size * 0.1);
    QPainterPath leaves;
    for (int i = -2; i <= 2; ++i) {
        const QPointF tip = centre + QPointF(i * size * 0.3, -size * (0.95 - std::abs(i) * 0.12));
        leaves.moveTo(centre + QPointF(0, -size * 0.55));
        leaves.quadTo(centre + QPointF(i * size * 0.25, -size * 0.55), tip);
    }
    Stroke(painter, leaves, Leaf.darker(110), size * 0.22);
}

// A glass tumbler of juice on a coaster, filling rect; garnish is drawn on its rim.
void DrawJuice(QPainter& painter, const QRectF& rect, QColor juice, const std::function<void(QPointF rim)>& garnish)
{
    const QRectF coaster = DrawCoaster(painter, QRectF(rect.left() + rect.width() * 0.12, rect.top(), rect.width() * 0.76, rect.height()));
    const double bottomY = coaster.center().y() + 2;
    const double topY = rect.top() + rect.height() * 0.16;
    const double rTop = rect.width() * 0.25;
    const double rBottom = rect.width() * 0.2;
    const double cx = rect.center().x();
    const double lip = rTop * 0.3;
    QPainterPath body;
    body.moveTo(cx - rTop, topY);
    body.lineTo(cx - rBottom, bottomY);
    body.quadTo(cx, bottomY + lip, cx + rBottom, bottomY);
    body.lineTo(cx + rTop, topY);
    body.closeSubpath();
    // The juice fills the glass up to a level ellipse below the rim.
    const double levelY = topY + (bottomY - topY) * 0.22;
    const double rLevel = rTop - (rTop - rBottom) * 0.22;
    QPainterPath liquid;
    liquid.moveTo(cx - rLevel, levelY);
    liquid.lineTo(cx - rBottom, bottomY);
    liquid.quadTo(cx, bottomY + lip, cx + rBottom, bottomY);
    liquid.lineTo(cx + rLevel, levelY);
    liquid.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe8, 0xf4, 0xfb, 150));
    painter.drawPath(body);
    painter.setBrush(Downwards(liquid.boundingRect(), juice.lighter(112), juice.darker(112)));
    painter.drawPath(liquid);
    painter.setBrush(juice.lighter(125));
    painter.drawEllipse(QPointF(cx, levelY), rLevel, lip * 0.8);
    // A straw leaning in, then the glass's gleam and its outline.
    painter.setPen(QPen(Outline(), 1.2));
    painter.setBrush(QColor(0xff, 0xff, 0xff));
    QPolygonF straw;
    straw << QPointF(cx + rTop * 0.1, levelY + 4) << QPointF(cx + rTop * 0.3, levelY + 4)
          << QPointF(cx + rTop * 0.95, rect.top() + 2) << QPointF(cx + rTop * 0.75, rect.top() + 1);
    painter.drawPolygon(straw);
    painter.setPen(QPen(QColor(0xe8, 0x3a, 0x4a), 2.4));
    for (double t : {0.3, 0.55, 0.8}) {
        const QPointF a = straw[0] + (straw[3] - straw[0]) * t;
        const QPointF b = straw[1] + (straw[2] - straw[1]) * t;
        painter.drawLine(a + (b - a) * 0.15, b - (b - a) * 0.15);
    }
    painter.setPen(QPen(QColor(255, 255, 255, 200), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(cx - rTop * 0.72, topY + 10), QPointF(cx - rBottom * 0.75, bottomY - 8));
    painter.setPen(QPen(Outline(), Ink, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(body);
    painter.setBrush(QColor(0xff, 0xff, 0xff, 60));
    painter.drawEllipse(QPointF(cx, topY), rTop, lip);
    garnish(QPointF(cx - rTop, topY));
}

// A wedge of fruit hooked on a glass's rim: a slice seen edge-on as a half disc.
void DrawFruitSlice(QPainter& painter, QPointF rim, double r, QColor peel, QColor flesh)
{
    QPainterPath slice;
    slice.moveTo(rim + QPointF(-r, 0));
    slice.arcTo(QRectF(rim.x() - r, rim.y() - r, 2 * r, 2 * r), 180, 180);
    slice.closeSubpath();
    slice.translate(0, -r * 0.2);
    Flat(painter, slice, peel, Ink * 0.8);
    QPainterPath inner;
    inner.moveTo(rim + QPointF(-r * 0.78, -r * 0.2));
    inner.arcTo(QRectF(rim.x() - r * 0.78, rim.y() - r * 0.98, 2 * r * 0.78, 2 * r * 0.78), 180, 180);
    inner.closeSubpath();
    Flat(painter, inner, flesh, 0);
    painter.setPen(QPen(peel.lighter(130), 1.2));
    for (int s = 1; s < 5; ++s) {
        const double a = (180 + s * 36) * std::numbers::pi / 180;
        painter.drawLine(rim + QPointF(0, -r * 0.2), rim + QPointF(std::cos(a) * r * 0.72, -r * 0.2 - std::sin(a) * r * 0.72));
    }
}

// A bar of chocolate standing tilted on a plate: its wrapper with a label at the bottom, the
// squares of chocolate showing where it is torn open; emblem paints the label's picture.
void DrawChocolateBar(QPainter& painter, const QRectF& rect, QColor wrapper,
                      const std::function<void(QPainter&, QRectF label)>& emblem)
{
    const QRectF well = DrawPlate(painter, QRectF(rect.left(), rect.top(), rect.width(), rect.height()));
    painter.save();
    painter.translate(well.center().x() + rect.width() * 0.02, well.center().y() + 2);
    painter.rotate(-14);
    const double w = rect.width() * 0.46;
    const double h = rect.height() * 0.74;
    const QRectF bar(-w / 2, -h, w, h);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x40, 0x30, 0x20, 50));
    painter.drawRoundedRect(bar.translated(5, 3), 4, 4);
    // The chocolate: a grid of squares.
    Shape(painter, RoundRect(bar, 4), Chocolate, Ink);
    painter.setPen(QPen(Chocolate.darker(140), 1.5));
    for (int c = 1; c < 3; ++c)
        painter.drawLine(QPointF(bar.left() + c * w / 3, bar.top() + 3), QPointF(bar.left() + c * w / 3, bar.top() + h * 0.45));
    for (int r = 1; r < 3; ++r)
        painter.drawLine(QPointF(bar.left() + 3, bar.top() + r * h * 0.15), QPointF(bar.right() - 3, bar.top() + r * h * 0.15));
    painter.setPen(QPen(QColor(255, 255, 255, 70), 2));
    painter.drawLine(QPointF(bar.left() + 5, bar.top() + 5), QPointF(bar.left() + 5, bar.top() + h * 0.4));
    // The wrapper, torn in a zigzag across the middle, with a silver foil edge.
    QPainterPath paper;
    const double tear = bar.top() + h * 0.45;
    paper.moveTo(bar.left() - 2, bar.bottom() + 2);
    paper.lineTo(bar.left() - 2, tear);
    for (int k = 1; k <= 6; ++k)
        paper.lineTo(bar.left() - 2 + k * (w + 4) / 6, tear + (k % 2 ? -6 : 3));
    paper.lineTo(bar.right() + 2, bar.bottom() + 2);
    paper.closeSubpath();
    Flat(painter, paper.translated(0, -5), QColor(0xd6, 0xda, 0xe0), Ink * 0.7);
    Shape(painter, paper, wrapper, Ink);
    const QRectF label(bar.left() + w * 0.14, tear + h * 0.1, w * 0.72, h * 0.36);
    painter.setPen(QPen(wrapper.darker(140), 1.2));
    painter.setBrush(QColor(0xff, 0xfb, 0xf0));
    painter.drawEllipse(label);
    emblem(painter, label);
    painter.restore();
}

// A slice of layered cake seen from the front and a little above: sponge and filling layers on the
// front, a glazed top; decorate draws on the top.
void DrawCakeSlice(QPainter& painter, const QRectF& rect, QColor sponge, QColor filling, QColor glaze,
                   const std::function<void(QRectF top)>& decorate)
{
    const QRectF well = DrawPlate(painter, rect);
    const double w = rect.width() * 0.68;
    const double h = rect.height() * 0.48;
    const double depth = rect.height() * 0.18;
    const QPointF foot(well.center().x() - w * 0.56, well.center().y() + well.height() * 0.2);
    // The front face in layers.
    const QRectF face(foot.x(), foot.y() - h, w, h);
    QLinearGradient layers(face.topLeft(), face.bottomLeft());
    const int bands = 5;
    for (int b = 0; b < bands; ++b) {
        const QColor c = b == 0 ? glaze : (b % 2 ? sponge : filling);
        layers.setColorAt(double(b) / bands, c);
        layers.setColorAt((b + 1.0) / bands - 0.001, c);
    }
    DrawCube(painter, foot, QSizeF(w, h), depth, layers, Downwards(QRectF(0, face.top() - depth, 1, depth), glaze.lighter(115), glaze));
    decorate(QRectF(face.left() + depth * 0.25, face.top() - depth, w, depth));
}

void DrawCherry(QPainter& painter, QPointF centre, double r)
{
    QPainterPath stalk;
    stalk.moveTo(centre + QPointF(0, -r * 0.6));
    stalk.quadTo(centre + QPointF(r * 0.4, -r * 1.8), centre + QPointF(r * 1.1, -r * 2.1));
    Stroke(painter, stalk, QColor(0x5a, 0x7a, 0x2a), r * 0.3);
    Shape(painter, Ellipse(centre, r, r * 0.92), QColor(0xd0, 0x1e, 0x32), Ink * 0.8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 190));
    painter.drawEllipse(centre + QPointF(-r * 0.35, -r * 0.35), r * 0.25, r * 0.2);
}

void DrawCreamSwirl(QPainter& painter, QPointF base, double r)
{
    for (int k = 0; k < 3; ++k)
        Shape(painter, Ellipse(base + QPointF(0, -k * r * 0.55), r * (1 - k * 0.25), r * (0.55 - k * 0.1)), Cream.lighter(104), Ink * 0.7);
}

// A hazelnut, a vanilla flower and a heart for the chocolate labels.
void DrawHazelnuts(QPainter& painter, QRectF label)
{
    for (int i = 0; i < 2; ++i) {
        const QPointF c = label.center() + QPointF((i ? 1 : -1) * label.width() * 0.18, label.height() * 0.06);
        const double r = label.height() * 0.27;
        Shape(painter, Ellipse(c, r, r * 1.05), QColor(0xa8, 0x6a, 0x34), 1.2);
        QPainterPath cap;
        cap.moveTo(c + QPointF(-r, -r * 0.2));
        cap.quadTo(c + QPointF(0, -r * 1.7), c + QPointF(r, -r * 0.2));
        cap.quadTo(c + QPointF(0, -r * 0.6), c + QPointF(-r, -r * 0.2));
        Flat(painter, cap, QColor(0x6e, 0x44, 0x20), 1);
    }
}

void DrawVanillaFlower(QPainter& painter, QRectF label)
{
    const QPointF c = label.center();
    const double r = label.height() * 0.3;
    for (int p = 0; p < 5; ++p) {
        painter.save();
        painter.translate(c);
        painter.rotate(p * 72);
        Shape(painter, Ellipse(QPointF(0, -r * 0.6), r * 0.36, r * 0.62), QColor(0xfc, 0xf0, 0xb0), 1);
        painter.restore();
    }
    Shape(painter, Ellipse(c, r * 0.28, r * 0.28), QColor(0xf0, 0xb8, 0x30), 1);
}

void DrawHeart(QPainter& painter, QRectF label)
{
    const QPointF c = label.center() + QPointF(0, label.height() * 0.05);
    const double r = label.height() * 0.3;
    QPainterPath heart;
    heart.moveTo(c + QPointF(0, r));
    heart.cubicTo(c + QPointF(-r * 1.8, -r * 0.2), c + QPointF(-r * 0.6, -r * 1.6), c + QPointF(0, -r * 0.5));
    heart.cubicTo(c + QPointF(r * 0.6, -r * 1.6), c + QPointF(r * 1.8, -r * 0.2), c + QPointF(0, r));
    Shape(painter, heart, Punch, 1.2);
}

// A cupcake in a paper case with chocolate frosting and chips.
void DrawChocolateCupcake(QPainter& painter, const QRectF& rect)
{
    const QRectF well = DrawPlate(painter, rect);
    const QPointF foot(well.center().x(), well.center().y() + 2);
    const double w = rect.width() * 0.56;
    QPainterPath paper;
    paper.moveTo(foot + QPointF(-w * 0.38, 0));
    paper.lineTo(foot + QPointF(-w * 0.5, -w * 0.52));
    paper.lineTo(foot + QPointF(w * 0.5, -w * 0.52));
    paper.lineTo(foot + QPointF(w * 0.38, 0));
    paper.closeSubpath();
    Shape(painter, paper, QColor(0x7c, 0xc4, 0xe8), Ink);
    painter.setPen(QPen(QColor(0x4c, 0x94, 0xc0), 1.4));
    for (int k = -3; k <= 3; ++k)
        painter.drawLine(foot + QPointF(k * w * 0.11, -2), foot + QPointF(k * w * 0.14, -w * 0.5));
    QPainterPath frosting;
    frosting.moveTo(foot + QPointF(-w * 0.58, -w * 0.5));
    frosting.cubicTo(foot + QPointF(-w * 0.7, -w * 0.9), foot + QPointF(-w * 0.3, -w * 1.1), foot + QPointF(0, -w * 1.25));
    frosting.cubicTo(foot + QPointF(w * 0.3, -w * 1.1), foot + QPointF(w * 0.7, -w * 0.9), foot + QPointF(w * 0.58, -w * 0.5));
    frosting.quadTo(foot + QPointF(0, -w * 0.38), foot + QPointF(-w * 0.58, -w * 0.5));
    Shape(painter, frosting, QColor(0x7a, 0x46, 0x28), Ink);
    QPainterPath swirl;
    swirl.moveTo(foot + QPointF(-w * 0.4, -w * 0.7));
    swirl.quadTo(foot + QPointF(0, -w * 0.55), foot + QPointF(w * 0.4, -w * 0.72));
    swirl.moveTo(foot + QPointF(-w * 0.22, -w * 0.95));
    swirl.quadTo(foot + QPointF(0, -w * 0.85), foot + QPointF(w * 0.22, -w * 0.97));
    Stroke(painter, swirl, QColor(0x5a, 0x30, 0x18), 1.6);
    painter.setPen(Qt::NoPen);
    for (const QPointF chip : {QPointF(-0.3, -0.8), QPointF(0.12, -1.0), QPointF(0.32, -0.66), QPointF(-0.05, -0.68)}) {
        painter.setBrush(QColor(0x3a, 0x1e, 0x10));
        painter.drawEllipse(foot + chip * w, w * 0.05, w * 0.04);
    }
    DrawCherry(painter, foot + QPointF(0, -w * 1.3), w * 0.12);
}

// A red and white checked cloth over a table top seen in perspective (its corners from the back
// left round to the front left), columns by rows of checks, outlined.
void DrawCheckedTop(QPainter& painter, const QPolygonF& top, int columns, int rows)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xfb, 0xf7, 0xf0));
    painter.drawPolygon(top);
    const QPolygonF square({QPointF(0, 0), QPointF(columns, 0), QPointF(columns, rows), QPointF(0, rows)});
    QTransform onTop;
    if (QTransform::quadToQuad(square, top, onTop)) {
        painter.save();
        QPainterPath clip;
        clip.addPolygon(top);
        painter.setClipPath(clip);
        painter.setTransform(onTop, true);
        for (int x = 0; x < columns; ++x)
            painter.fillRect(QRectF(x + 0.25, 0, 0.5, rows), QColor(0xe0, 0x4c, 0x52, 110));
        for (int y = 0; y < rows; ++y)
            painter.fillRect(QRectF(0, y + 0.25, columns, 0.5), QColor(0xe0, 0x4c, 0x52, 110));
        painter.restore();
    }
    painter.setPen(QPen(Outline(), Ink, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(top);
}

} // namespace

void DrawSoup(QPainter& painter, const QRectF& rect)
{
    DrawPlate(painter, QRectF(rect.left(), rect.top(), rect.width(), rect.height()));
    const double w = rect.width() * 0.7;
    const double cx = rect.center().x();
    const double rimY = rect.bottom() - rect.width() * 0.34 * 0.5 - rect.height() * 0.24;
    const double lip = w * 0.16;
    QPainterPath bowl;
    bowl.moveTo(cx - w / 2, rimY);
    bowl.cubicTo(cx - w / 2, rimY + w * 0.42, cx + w / 2, rimY + w * 0.42, cx + w / 2, rimY);
    bowl.closeSubpath();
    Shape(painter, bowl, Porcelain, Ink);
    painter.save();
    painter.setClipPath(bowl);
    painter.setPen(QPen(QColor(0x4a, 0x86, 0xd0), 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(cx - w / 2, rimY - w * 0.3 + 12, w, w * 0.6), 180 * 16, 180 * 16);
    painter.restore();
    Shape(painter, Ellipse(QPointF(cx, rimY), w / 2, lip), Porcelain, Ink);
    const QRectF soup(cx - w * 0.44, rimY - lip * 0.78, w * 0.88, lip * 1.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Downwards(soup, QColor(0xf6, 0xe6, 0xa8), QColor(0xea, 0xcf, 0x80)));
    painter.drawEllipse(soup);
    // Cauliflower florets: bumpy cream clusters floating in it, flecks of parsley.
    for (const QPointF f : {QPointF(-0.22, -0.1), QPointF(0.08, 0.12), QPointF(0.26, -0.12)}) {
        const QPointF c(cx + f.x() * w, rimY + f.y() * lip * 1.6);
        for (const QPointF bump : {QPointF(-0.5, 0.1), QPointF(0.5, 0.1), QPointF(0, -0.35), QPointF(0, 0.25)})
            Shape(painter, Ellipse(c + bump * w * 0.05, w * 0.05, w * 0.04), QColor(0xfd, 0xf8, 0xea), 1);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x3c, 0x9a, 0x3c));
    for (const QPointF p : {QPointF(-0.32, 0.05), QPointF(-0.05, -0.15), QPointF(0.18, 0.02), QPointF(0.36, 0.1), QPointF(-0.12, 0.2)})
        painter.drawEllipse(QPointF(cx + p.x() * w, rimY + p.y() * lip * 2), 2.2, 1.6);
    DrawSteam(painter, QPointF(cx, rimY - lip - 4), rect.height() * 0.32, 3);
}

void DrawBrasso(QPainter& painter, const QRectF& rect)
{
    const QRectF well = DrawPlate(painter, rect);
    const QColor meat(0x9c, 0x58, 0x30);
    const QColor potato(0xf2, 0xc1, 0x4e);
    const double s = rect.width() * 0.12;
    // A heap of cubes, the back ones first, alternating meat and fried potato.
    const QPointF places[] = {{-1.6, -0.6}, {-0.5, -0.9}, {0.6, -0.7}, {1.5, -0.4}, {-2.0, 0.3},
                              {-0.9, 0.1},  {0.2, 0.0},   {1.2, 0.3},  {-1.3, 1.0}, {-0.2, 0.9}, {0.9, 1.0},
                              {-0.6, -0.2}, {0.5, 0.35}};
    for (size_t i = 0; i < std::size(places); ++i) {
        const QPointF p = well.center() + QPointF(places[i].x() * s, places[i].y() * s * 0.55 + (i > 10 ? -s * 0.5 : 0));
        const QColor c = i % 3 == 1 ? meat : (i % 3 == 2 ? potato.darker(104) : potato);
        const bool isMeat = i % 3 == 1;
        DrawCube(painter, p + QPointF(-s / 2, s / 2), QSizeF(s, s * 0.8), s * 0.55,
                 Downwards(QRectF(p.x(), p.y() - s, 1, s), c, c.darker(isMeat ? 125 : 112)), isMeat ? c.lighter(120) : c.lighter(112));
    }
    // A slice of pickle on the side.
    Shape(painter, Ellipse(well.center() + QPointF(rect.width() * 0.28, well.height() * 0.1), s * 0.8, s * 0.45), QColor(0x7a, 0xa8, 0x3c), 1.2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc8, 0xe0, 0x90));
    painter.drawEllipse(well.center() + QPointF(rect.width() * 0.28, well.height() * 0.1), s * 0.5, s * 0.25);
}

void DrawSemolinaPasta(QPainter& painter, const QRectF& rect)
{
    const QRectF well = DrawPlate(painter, rect);
    // A mound of pasta squares dusted with toasted semolina, a spoon of apricot jam on top.
    QPainterPath mound;
    const QPointF c = well.center() + QPointF(0, well.height() * 0.2);
    const double w = well.width() * 0.5;
    mound.moveTo(c + QPointF(-w, 0));
    mound.cubicTo(c + QPointF(-w, -w * 0.7), c + QPointF(w, -w * 0.7), c + QPointF(w, 0));
    mound.quadTo(c + QPointF(0, w * 0.18), c + QPointF(-w, 0));
    Shape(painter, mound, QColor(0xf4, 0xdc, 0x96), Ink);
    painter.save();
    painter.setClipPath(mound);
    painter.setPen(QPen(QColor(0xd8, 0xb8, 0x6a), 1.2));
    painter.setBrush(QColor(0xfa, 0xe6, 0xa8));
    for (int i = 0; i < 18; ++i) {
        const QPointF p = c + QPointF(((i * 37) % 100 - 50) / 50.0 * w * 0.9, -((i * 53) % 60) / 60.0 * w * 0.5);
        painter.save();
        painter.translate(p);
        painter.rotate((i * 47) % 90 - 45);
        painter.drawRect(QRectF(-w * 0.09, -w * 0.07, w * 0.18, w * 0.14));
        painter.restore();
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc0, 0x84, 0x38));
    for (int i = 0; i < 60; ++i) {
        const QPointF p = c + QPointF(((i * 71) % 200 - 100) / 100.0 * w, -((i * 29) % 100) / 100.0 * w * 0.55);
        painter.drawEllipse(p, 1.3, 1.1);
    }
    painter.restore();
    QPainterPath jam;
    const QPointF top = c + QPointF(w * 0.05, -w * 0.45);
    jam.moveTo(top + QPointF(-w * 0.3, 0));
    jam.cubicTo(top + QPointF(-w * 0.32, -w * 0.22), top + QPointF(w * 0.3, -w * 0.24), top + QPointF(w * 0.3, 0));
    jam.cubicTo(top + QPointF(w * 0.2, w * 0.1), top + QPointF(-w * 0.2, w * 0.12), top + QPointF(-w * 0.3, 0));
    Shape(painter, jam, QColor(0xf0, 0x8c, 0x24), Ink * 0.8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 170));
    painter.drawEllipse(top + QPointF(-w * 0.1, -w * 0.08), w * 0.07, w * 0.04);
}

void DrawSpinach(QPainter& painter, const QRectF& rect)
{
    const QRectF well = DrawPlate(painter, rect);
    const QPointF c = well.center() + QPointF(0, well.height() * 0.15);
    const double w = well.width() * 0.52;
    QPainterPath puree;
    puree.moveTo(c + QPointF(-w, 0));
    puree.cubicTo(c + QPointF(-w * 1.05, -w * 0.5), c + QPointF(w * 1.05, -w * 0.5), c + QPointF(w, 0));
    puree.quadTo(c + QPointF(0, w * 0.22), c + QPointF(-w, 0));
    Shape(painter, puree, QColor(0x4e, 0x8e, 0x2e), Ink);
    painter.setPen(QPen(QColor(0x3a, 0x6e, 0x22), 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(c.x() - w * 0.7, c.y() - w * 0.32, w * 1.4, w * 0.4), 200 * 16, 140 * 16);
    // The fried egg on top: an irregular white with a shiny yolk.
    QPainterPath white;
    const QPointF e = c + QPointF(w * 0.08, -w * 0.28);
    white.moveTo(e + QPointF(-w * 0.62, 0));
    white.cubicTo(e + QPointF(-w * 0.7, -w * 0.3), e + QPointF(-w * 0.1, -w * 0.36), e + QPointF(w * 0.2, -w * 0.28));
    white.cubicTo(e + QPointF(w * 0.66, -w * 0.3), e + QPointF(w * 0.7, w * 0.1), e + QPointF(w * 0.3, w * 0.18));
    white.cubicTo(e + QPointF(0, w * 0.26), e + QPointF(-w * 0.5, w * 0.2), e + QPointF(-w * 0.62, 0));
    Shape(painter, white, QColor(0xff, 0xfe, 0xf8), Ink);
    Shape(painter, Ellipse(e + QPointF(0, -w * 0.04), w * 0.2, w * 0.14), QColor(0xff, 0xb8, 0x1c), Ink * 0.8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawEllipse(e + QPointF(-w * 0.07, -w * 0.09), w * 0.06, w * 0.035);
}

void DrawChocolateSquares(QPainter& painter, const QRectF& rect)
{
    const QRectF well = DrawPlate(painter, rect);
    const double s = rect.width() * 0.24;
    const QColor sponge(0x7a, 0x48, 0x2a);
    QLinearGradient front(0, 0, 0, 1);
    front.setCoordinateMode(QGradient::ObjectMode);
    front.setColorAt(0, Chocolate.darker(120));
    front.setColorAt(0.18, Chocolate.darker(120));
    front.setColorAt(0.181, sponge);
    front.setColorAt(0.48, sponge);
    front.setColorAt(0.481, Cream);
    front.setColorAt(0.62, Cream);
    front.setColorAt(0.621, sponge);
    front.setColorAt(1, sponge.darker(110));
    const QBrush top(Chocolate.lighter(110));
    const QPointF c = well.center();
    for (const QPointF p : {QPointF(-0.8, -0.45), QPointF(0.25, -0.5), QPointF(-1.1, 0.35), QPointF(0.05, 0.4)})
        DrawCube(painter, c + QPointF(p.x() * s, p.y() * s * 0.5 + s * 0.3), QSizeF(s, s * 0.7), s * 0.5, front, top);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf6, 0xee, 0xe0));
    for (int i = 0; i < 10; ++i)
        painter.drawEllipse(c + QPointF(((i * 41) % 100 - 50) / 50.0 * s * 1.2, -s * 0.5 + ((i * 17) % 10) / 10.0 * s * 0.3 + (i % 2) * s * 0.8), 1.2, 1.2);
}

void DrawStrawberryIceCream(QPainter& painter, const QRectF& rect)
{
    DrawPlate(painter, QRectF(rect.left() + rect.width() * 0.1, rect.top(), rect.width() * 0.8, rect.height()), 0.3);
    const double cx = rect.center().x();
    const double base = rect.bottom() - rect.width() * 0.12;
    const double w = rect.width() * 0.56;
    // A glass cup on a short stem.
    QPainterPath stem;
    stem.addRect(QRectF(cx - 4, base - rect.height() * 0.2, 8, rect.height() * 0.2));
    Shape(painter, stem, QColor(0xe4, 0xf2, 0xfa), Ink * 0.8);
    Shape(painter, Ellipse(QPointF(cx, base), w * 0.28, w * 0.07), QColor(0xe4, 0xf2, 0xfa), Ink * 0.8);
    const double cupTop = base - rect.height() * 0.44;
    QPainterPath cup;
    cup.moveTo(cx - w / 2, cupTop);
    cup.cubicTo(cx - w / 2, cupTop + w * 0.55, cx + w / 2, cupTop + w * 0.55, cx + w / 2, cupTop);
    cup.closeSubpath();
    // Scoops above the cup's rim, then the cup's front over their lower part.
    const QColor pink(0xf7, 0x9c, 0xb4);
    for (const QPointF p : {QPointF(-0.22, 0.02), QPointF(0.22, 0.02), QPointF(0, -0.28)}) {
        const QPointF c(cx + p.x() * w, cupTop + p.y() * w);
        Shape(painter, Ellipse(c, w * 0.27, w * 0.24), pink, Ink);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Strawberry.darker(105));
        painter.drawEllipse(c + QPointF(-w * 0.08, w * 0.04), 2.4, 2);
        painter.drawEllipse(c + QPointF(w * 0.1, -w * 0.06), 2.2, 1.8);
    }
    painter.setPen(QPen(Outline(), Ink));
    painter.setBrush(QColor(0xdc, 0xee, 0xf8, 220));
    painter.drawPath(cup);
    painter.setPen(QPen(QColor(255, 255, 255, 220), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(cx - w * 0.4, cupTop - w * 0.2, w * 0.8, w * 0.6), 200 * 16, 50 * 16);
    // A wafer and a strawberry on top.
    painter.save();
    painter.translate(cx + w * 0.2, cupTop - w * 0.35);
    painter.rotate(24);
    Shape(painter, RoundRect(QRectF(-4, -w * 0.45, 8, w * 0.45), 2), QColor(0xe8, 0xba, 0x6a), Ink * 0.7);
    painter.restore();
    DrawStrawberry(painter, QPointF(cx - w * 0.02, cupTop - w * 0.52), w * 0.13);
}

void DrawDrumstick(QPainter& painter, const QRectF& rect)
{
    painter.save();
    painter.translate(rect.center());
    painter.rotate(-30);
    const double s = std::min(rect.width(), rect.height()) / 2;
    QPainterPath meat;
    meat.moveTo(QPointF(-s * 0.95, 0));
    meat.cubicTo(QPointF(-s * 0.95, -s * 0.62), QPointF(s * 0.1, -s * 0.5), QPointF(s * 0.35, -s * 0.14));
    meat.lineTo(QPointF(s * 0.35, s * 0.14));
    meat.cubicTo(QPointF(s * 0.1, s * 0.5), QPointF(-s * 0.95, s * 0.62), QPointF(-s * 0.95, 0));
    QPainterPath bone;
    bone.addRoundedRect(QRectF(s * 0.2, -s * 0.1, s * 0.55, s * 0.2), s * 0.08, s * 0.08);
    bone.addEllipse(QPointF(s * 0.8, -s * 0.12), s * 0.14, s * 0.14);
    bone.addEllipse(QPointF(s * 0.8, s * 0.12), s * 0.14, s * 0.14);
    Shape(painter, bone.simplified(), QColor(0xfb, 0xf6, 0xe8), Ink);
    Shape(painter, meat, QColor(0xc8, 0x72, 0x34), Ink);
    painter.setPen(QPen(QColor(255, 255, 255, 120), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(-s * 0.8, -s * 0.4, s * 0.9, s * 0.5), 100 * 16, 60 * 16);
    painter.restore();
}

QImage FavouritesServed()
{
    const QSize size = MenusPlaces::Favourites;
    QImage image = Transparent(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The table top in perspective under a red and white checked cloth; its front edge hangs down.
    const QRectF hem(2, 306, 516, 22);
    painter.setPen(QPen(Outline(), Ink));
    painter.setBrush(QColor(0xe0, 0x4c, 0x52));
    painter.drawRect(hem);
    for (int x = 2; x < 518; x += 16)
        painter.fillRect(QRectF(x + 1, 307, 8, 20), QColor(0xfb, 0xf7, 0xf0, 150));
    DrawCheckedTop(painter, QPolygonF({QPointF(40, 84), QPointF(480, 84), QPointF(518, 306), QPointF(2, 306)}), 16, 8);

    // The banner over the table.
    const QRectF banner(130, 6, 260, 46);
    ArtKit::DrawCard(painter, banner, {.radius = 23, .drop = {0, 3}, .shadow = QColor(0, 0, 0, 40),
                                       .fill = Downwards(banner, QColor(0xff, 0xd8, 0x5a), QColor(0xf6, 0xb0, 0x2c)),
                                       .edge = QPen(QColor(0xb8, 0x78, 0x10), 2)});
    painter.setFont(ArtKit::LabelFont(26));
    painter.setPen(QColor(0x8a, 0x3a, 0x08));
    painter.drawText(banner, Qt::AlignCenter, QString::fromUtf8("Jó étvágyat!"));
    ArtKit::DrawStar(painter, QPointF(108, 30), 12, QColor(0xff, 0xc8, 0x30));
    ArtKit::DrawStar(painter, QPointF(412, 28), 12, QColor(0xff, 0xc8, 0x30));

    struct TDish {
        void (*draw)(QPainter&, const QRectF&);
        const char* name;
        QRectF rect;
    };
    const TDish dishes[] = {
        {DrawSoup, "karfiolleves", QRectF(40, 56, 150, 118)},
        {DrawStrawberryIceCream, "eper", QRectF(198, 52, 128, 122)},
        {DrawBrasso, "brassói", QRectF(336, 72, 150, 102)},
        {DrawSemolinaPasta, "grízes tészta", QRectF(18, 188, 162, 108)},
        {DrawSpinach, "spenót", QRectF(182, 188, 160, 108)},
        {DrawChocolateSquares, "négerkocka", QRectF(346, 180, 160, 116)},
    };
    for (const TDish& dish : dishes)
        dish.draw(painter, dish.rect);
    // Name cards in front of the dishes, the back row's slightly smaller.
    for (const TDish& dish : dishes) {
        const bool back = dish.rect.top() < 150;
        const QString name = QString::fromUtf8(dish.name);
        painter.setFont(ArtKit::LabelFont(back ? 12 : 13));
        const double width = painter.fontMetrics().horizontalAdvance(name) + 14;
        const QRectF card(dish.rect.center().x() - width / 2, dish.rect.bottom() - (back ? 4 : 2), width, back ? 17 : 19);
        ArtKit::DrawCard(painter, card, {.radius = 4, .drop = {1, 2}, .shadow = QColor(0, 0, 0, 50), .fill = QColor(0xff, 0xff, 0xff),
                                         .edge = QPen(QColor(0x9a, 0x8a, 0x78), 1)});
        painter.setPen(QColor(0x5a, 0x2a, 0x10));
        painter.drawText(card, Qt::AlignCenter, name);
    }
    painter.end();
    return image;
}

QImage Table()
{
    const QSize size = MenusPlaces::Table.size();
    QImage image = Transparent(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor wood(0xb4, 0x78, 0x46);

    // Shadow on the floor, the back legs, then the front legs.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x50, 0x30, 0x10, 45));
    painter.drawEllipse(QRectF(14, 236, 290, 16));
    for (const double x : {52.0, 256.0})
        Shape(painter, RoundRect(QRectF(x, 90, 12, 140), 3), wood.darker(125), Ink);
    for (const double x : {18.0, 284.0}) {
        QPainterPath leg;
        leg.moveTo(x, 90);
        leg.lineTo(x + 16, 90);
        leg.lineTo(x + 13, 244);
        leg.quadTo(x + 8, 250, x + 3, 244);
        leg.closeSubpath();
        Shape(painter, leg, wood, Ink);
        Shape(painter, RoundRect(QRectF(x - 2, 150, 20, 8), 3), wood.darker(110), Ink * 0.8);
    }
    // A rail between the legs.
    Shape(painter, RoundRect(QRectF(30, 100, 258, 12), 3), wood.darker(112), Ink);

    // The top in perspective, then the checked cloth hanging over its front.
    DrawCheckedTop(painter, QPolygonF({QPointF(14, 2), QPointF(304, 2), QPointF(316, 44), QPointF(2, 44)}), 18, 3);
    QPainterPath cloth;
    cloth.moveTo(2, 44);
    cloth.lineTo(316, 44);
    cloth.lineTo(316, 96);
    for (int k = 9; k >= 0; --k)
        cloth.quadTo(2 + (k + 0.5) * 31.4, 102, 2 + k * 31.4, 96);
    cloth.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xfb, 0xf7, 0xf0));
    painter.drawPath(cloth);
    painter.save();
    painter.setClipPath(cloth);
    for (int x = 2; x < 318; x += 18)
        painter.fillRect(QRectF(x, 44, 9, 60), QColor(0xe0, 0x4c, 0x52, 110));
    for (int y = 44; y < 104; y += 18)
        painter.fillRect(QRectF(2, y, 316, 9), QColor(0xe0, 0x4c, 0x52, 110));
    painter.fillRect(QRectF(2, 44, 316, 6), QColor(0, 0, 0, 30));
    painter.restore();
    painter.setPen(QPen(Outline(), Ink, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(cloth);
    painter.end();
    return image;
}

QImage Plate(int tag)
{
    QImage image = Transparent(MenusPlaces::Plate);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Dishes stand on the slot's bottom edge: there the table's top lies under them.
    const QRectF dish(14, 20, 106, 108);
    const QRectF glass(24, 10, 86, 118);
    const auto juiceWithSlice = [&](QColor juice, QColor peel, QColor flesh) {
        DrawJuice(painter, glass, juice, [&](QPointF rim) { DrawFruitSlice(painter, rim + QPointF(4, 0), 14, peel, flesh); });
    };
    switch (tag) {
    case 11:
        DrawChocolateBar(painter, dish, Punch, DrawHeart);
        break;
    case 12:
        DrawChocolateBar(painter, dish, QColor(0x3c, 0x7a, 0xd0), DrawHazelnuts);
        break;
    case 13:
        DrawChocolateBar(painter, dish, QColor(0xf4, 0xd2, 0x5a), DrawVanillaFlower);
        break;
    case 21:
        juiceWithSlice(QColor(0xe0, 0xd2, 0x5a), QColor(0x8c, 0xc8, 0x3c), QColor(0xfa, 0xf2, 0xcc));
        break;
    case 22:
        DrawJuice(painter, glass, QColor(0xe8, 0x3e, 0x62), [&](QPointF rim) { DrawStrawberry(painter, rim + QPointF(2, -6), 11); });
        break;
    case 23:
        juiceWithSlice(QColor(0xff, 0xa0, 0x22), QColor(0xf8, 0x8c, 0x10), QColor(0xff, 0xd0, 0x60));
        break;
    case 31:
        DrawCakeSlice(painter, dish, QColor(0x8a, 0x52, 0x30), Cream, QColor(0xfb, 0xf4, 0xe6), [&](QRectF top) {
            DrawCreamSwirl(painter, top.center() + QPointF(0, 2), 14);
            DrawCherry(painter, top.center() + QPointF(0, -16), 7);
        });
        break;
    case 32:
        DrawChocolateCupcake(painter, dish);
        break;
    case 33:
        DrawCakeSlice(painter, dish, QColor(0xfb, 0xe6, 0xb4), Punch.lighter(115), Punch, [&](QRectF top) {
            painter.setPen(QPen(QColor(255, 255, 255, 230), 2, Qt::SolidLine, Qt::RoundCap));
            painter.setBrush(Qt::NoBrush);
            QPainterPath zigzag;
            zigzag.moveTo(top.left() + 6, top.center().y());
            for (int k = 1; k <= 6; ++k)
                zigzag.lineTo(top.left() + 6 + k * (top.width() - 12) / 6, top.center().y() + (k % 2 ? -3 : 3));
            painter.drawPath(zigzag);
        });
        break;
    default:
        throw std::invalid_argument("no plate for the tag " + std::to_string(tag));
    }
    painter.end();
    return image;
}

} // namespace MenusFoodArt
