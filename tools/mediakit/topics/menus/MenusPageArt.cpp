#include "MenusPageArt.h"

#include "MenusPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/PaintedPage.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace MenusPageArt {

namespace {

namespace Places = MenusPlaces;
using ArtKit::Downwards;

const QColor Wall(0xff, 0xf8, 0xec);
const QColor WallLow(0xfb, 0xf1, 0xe0);
const QColor Panelling(0xe6, 0xf2, 0xe4);
const QColor AwningRed(0xe4, 0x52, 0x58);
const QColor AwningWhite(0xff, 0xfa, 0xf2);
// The floor is pale oak, far from the back sign's orange, so the sign stands out on it.
const QColor Oak(0xee, 0xd8, 0xb6);
const QColor OakSeam(0xd3, 0xb5, 0x8c);
const QColor Chalk(0xf4, 0xf4, 0xee);

const int PanellingTop = 510; // the rail runs just below the pop-up page's hiding guide

void DrawWall(QPainter& painter)
{
    const int floor = Places::FloorLine;
    painter.fillRect(QRect(0, 0, 1024, floor), Downwards(QRectF(0, 0, 1024, floor), Wall, WallLow));
    // Wallpaper: faint warm stripes with a row of tiny dots between them.
    painter.setPen(Qt::NoPen);
    for (int x = 0; x < 1024; x += 48) {
        painter.fillRect(QRect(x, 0, 18, PanellingTop), QColor(0xf3, 0xd9, 0xb8, 38));
        painter.setBrush(QColor(0xe8, 0xb8, 0x98, 46));
        for (int y = 36; y < PanellingTop - 10; y += 40)
            painter.drawEllipse(QPointF(x + 33, y + (x / 48 % 2) * 20), 1.6, 1.6);
    }

    // Panelling below a wooden rail, light sage with the panels' edges.
    const QRect panel(0, PanellingTop, 1024, floor - PanellingTop);
    painter.fillRect(panel, Downwards(panel, Panelling, Panelling.darker(104)));
    painter.setPen(QPen(QColor(0xd6, 0xe6, 0xd3), 2));
    for (int x = 64; x < 1024; x += 128)
        painter.drawRoundedRect(QRectF(x - 52, PanellingTop + 26, 104, floor - PanellingTop - 50), 6, 6);
    painter.fillRect(QRect(0, PanellingTop - 8, 1024, 10), Downwards(QRectF(0, PanellingTop - 8, 1024, 10), QColor(0xef, 0xdc, 0xc0), QColor(0xd8, 0xbf, 0x9c)));
    painter.fillRect(QRect(0, PanellingTop + 2, 1024, 4), QColor(0, 0, 0, 14));

    // The skirting board and the floor of pale boards, wider towards us.
    painter.fillRect(QRect(0, floor - 12, 1024, 12), Downwards(QRectF(0, floor - 12, 1024, 12), QColor(0xff, 0xff, 0xfb), QColor(0xe8, 0xe6, 0xde)));
    int y = floor;
    int row = 0;
    for (int height = 16; y < 768; height += 6, ++row) {
        const QRect boards(0, y, 1024, height);
        painter.fillRect(boards, Downwards(boards, row % 2 ? Oak : Oak.lighter(103), Oak.darker(103)));
        painter.setPen(QPen(OakSeam, 1.5));
        painter.drawLine(QPointF(0, y + 0.5), QPointF(1024, y + 0.5));
        for (int x = (row * 157) % 260; x < 1024; x += 260)
            painter.drawLine(QPointF(x, y), QPointF(x, y + height));
        y += height;
    }
    painter.fillRect(QRect(0, floor, 1024, 10), Downwards(QRectF(0, floor, 1024, 10), QColor(0, 0, 0, 28), QColor(0, 0, 0, 0)));
}

void DrawAwning(QPainter& painter)
{
    const int stripe = 64;
    const qreal bottom = 50;
    // Its shadow on the wall first.
    painter.fillRect(QRectF(0, bottom, 1024, 26), Downwards(QRectF(0, bottom, 1024, 26), QColor(0x70, 0x40, 0x20, 40), QColor(0x70, 0x40, 0x20, 0)));
    for (int i = 0; i * stripe < 1024; ++i) {
        const qreal x = i * stripe;
        QPainterPath cloth;
        cloth.moveTo(x, 0);
        cloth.lineTo(x + stripe, 0);
        cloth.lineTo(x + stripe, bottom);
        cloth.arcTo(QRectF(x, bottom - stripe / 4.0, stripe, stripe / 2.0), 0, -180);
        cloth.closeSubpath();
        const QColor colour = i % 2 ? AwningWhite : AwningRed;
        painter.setPen(QPen(colour.darker(125), 1.5));
        painter.setBrush(Downwards(QRectF(x, 0, stripe, bottom + 16), colour.lighter(106), colour.darker(108)));
        painter.drawPath(cloth);
    }
    // The rod the awning hangs from.
    painter.fillRect(QRectF(0, 0, 1024, 9), Downwards(QRectF(0, 0, 1024, 9), QColor(0x8a, 0x5b, 0x3a), QColor(0x5e, 0x3a, 0x22)));
}

void DrawLamp(QPainter& painter, qreal x, qreal hang, QColor shade)
{
    painter.setPen(QPen(QColor(0x55, 0x48, 0x40), 2));
    painter.drawLine(QPointF(x, 56), QPointF(x, hang));
    QRadialGradient glow(QPointF(x, hang + 36), 60);
    glow.setColorAt(0, QColor(0xff, 0xf1, 0xb8, 150));
    glow.setColorAt(1, QColor(0xff, 0xf1, 0xb8, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(x, hang + 36), 60, 40);
    painter.setBrush(QColor(0xff, 0xf6, 0xd0));
    painter.drawEllipse(QPointF(x, hang + 33), 9, 7);
    QPainterPath dome;
    dome.moveTo(x - 34, hang + 32);
    dome.cubicTo(x - 32, hang + 6, x - 14, hang, x, hang);
    dome.cubicTo(x + 14, hang, x + 32, hang + 6, x + 34, hang + 32);
    dome.closeSubpath();
    painter.setPen(QPen(shade.darker(150), 2));
    painter.setBrush(Downwards(dome.boundingRect(), shade.lighter(125), shade.darker(110)));
    painter.drawPath(dome);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(x - 24, hang + 6, 30, 40), 100 * 16, 50 * 16);
}

// Chalk strokes, slightly see-through, as chalk on a board is.
void ChalkPen(QPainter& painter, qreal width)
{
    painter.setPen(QPen(QColor(Chalk.red(), Chalk.green(), Chalk.blue(), 215), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
}

void DrawMenuBoard(QPainter& painter)
{
    // It ends above the pop-up page's hiding guide and the favourites' label.
    const QRectF board(22, 70, 142, 126);
    painter.setPen(QPen(QColor(0x6a, 0x50, 0x3c), 1.5));
    painter.drawLine(QPointF(board.center().x(), 58), QPointF(board.left() + 24, board.top()));
    painter.drawLine(QPointF(board.center().x(), 58), QPointF(board.right() - 24, board.top()));
    painter.setBrush(QColor(0x9a, 0x9a, 0x9a));
    painter.drawEllipse(QPointF(board.center().x(), 57), 3, 3);
    ArtKit::DrawCard(painter, board, {.radius = 6, .drop = {3, 4}, .shadow = QColor(0x50, 0x30, 0x10, 60),
                                      .fill = Downwards(board, QColor(0xb4, 0x7c, 0x4c), QColor(0x8c, 0x5a, 0x32)),
                                      .edge = QPen(QColor(0x5e, 0x3a, 0x20), 1.5)});
    const QRectF slate = board.adjusted(8, 8, -8, -8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Downwards(slate, QColor(0x35, 0x55, 0x45), QColor(0x28, 0x44, 0x38)));
    painter.drawRoundedRect(slate, 3, 3);

    painter.setFont(ArtKit::LabelFont(21));
    painter.setPen(QColor(Chalk.red(), Chalk.green(), Chalk.blue(), 230));
    painter.drawText(QRectF(slate.left(), slate.top() + 2, slate.width(), 26), Qt::AlignCenter, QString::fromUtf8("MENÜ"));
    ChalkPen(painter, 1.6);
    painter.drawLine(QPointF(slate.left() + 16, slate.top() + 30), QPointF(slate.right() - 16, slate.top() + 30));

    // Three doodles, each with a squiggle of writing beside it: a steaming bowl, a slice of cake,
    // an ice cream.
    const qreal left = slate.left() + 12;
    const qreal rows[] = {slate.top() + 50, slate.top() + 74, slate.top() + 98};
    ChalkPen(painter, 1.8);
    qreal y = rows[0];
    painter.drawArc(QRectF(left + 2, y - 10, 20, 18), 180 * 16, 180 * 16);
    painter.drawLine(QPointF(left + 1, y - 1), QPointF(left + 23, y - 1));
    for (int s = 0; s < 2; ++s) {
        QPainterPath steam;
        steam.moveTo(left + 9 + s * 7, y - 4);
        steam.cubicTo(left + 5 + s * 7, y - 8, left + 13 + s * 7, y - 10, left + 9 + s * 7, y - 14);
        painter.drawPath(steam);
    }
    y = rows[1];
    QPolygonF slice;
    slice << QPointF(left, y + 6) << QPointF(left + 24, y + 6) << QPointF(left + 24, y - 6) << QPointF(left, y - 1);
    painter.drawPolygon(slice);
    painter.drawLine(QPointF(left, y + 2), QPointF(left + 24, y));
    painter.drawEllipse(QPointF(left + 18, y - 10), 2.5, 2.5);
    y = rows[2];
    painter.drawEllipse(QPointF(left + 12, y - 6), 7, 6);
    QPolygonF cone;
    cone << QPointF(left + 5, y - 3) << QPointF(left + 19, y - 3) << QPointF(left + 12, y + 10);
    painter.drawPolygon(cone);
    ChalkPen(painter, 1.4);
    for (const qreal ly : rows) {
        QPainterPath writing;
        writing.moveTo(left + 36, ly - 2);
        for (int k = 0; k < 6; ++k)
            writing.quadTo(left + 40 + k * 10, ly - 2 + (k % 2 ? 5 : -5), left + 45 + k * 10, ly - 2);
        painter.drawPath(writing);
    }
}

void DrawWindow(QPainter& painter)
{
    const QRectF frame(812, 78, 172, 98);
    ArtKit::DrawCard(painter, frame, {.radius = 4, .drop = {2, 3}, .shadow = QColor(0x50, 0x30, 0x10, 40),
                                      .fill = QColor(0xfd, 0xfd, 0xfa), .edge = QPen(QColor(0xc8, 0xbc, 0xaa), 1.5)});
    const QRectF glass = frame.adjusted(8, 8, -8, -8);
    painter.fillRect(glass, Downwards(glass, QColor(0x6c, 0xb2, 0xea), QColor(0xcc, 0xea, 0xfb)));
    painter.save();
    painter.setClipRect(glass);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xe7, 0x7a));
    painter.drawEllipse(QPointF(glass.right() - 30, glass.top() + 24), 14, 14);
    painter.setBrush(QColor(255, 255, 255, 235));
    for (const QPointF& puff : {QPointF(0, 0), QPointF(14, -6), QPointF(28, 0)})
        painter.drawEllipse(QPointF(glass.left() + 30, glass.top() + 36) + puff, 13, 9);
    painter.setBrush(QColor(0x7c, 0xc4, 0x62));
    painter.drawEllipse(QRectF(glass.left() - 40, glass.bottom() - 18, 140, 50));
    painter.drawEllipse(QRectF(glass.left() + 70, glass.bottom() - 12, 140, 50));
    painter.restore();
    painter.fillRect(QRectF(frame.center().x() - 3, glass.top(), 6, glass.height()), QColor(0xfd, 0xfd, 0xfa));
    painter.fillRect(QRectF(glass.left(), frame.center().y() - 3, glass.width(), 6), QColor(0xfd, 0xfd, 0xfa));
    // The sill with a pot of red flowers on it.
    painter.fillRect(QRectF(frame.left() - 8, frame.bottom() - 2, frame.width() + 16, 8),
                     Downwards(QRectF(0, frame.bottom() - 2, 1, 8), QColor(0xff, 0xff, 0xfb), QColor(0xdc, 0xd6, 0xcc)));
    const QPointF pot(frame.center().x() + 40, frame.bottom() - 2);
    painter.setPen(QPen(QColor(0x3f, 0x8a, 0x3a), 2));
    for (int s = -1; s <= 1; ++s)
        painter.drawLine(pot + QPointF(s * 3, -14), pot + QPointF(s * 9, -30));
    painter.setPen(Qt::NoPen);
    for (int s = -1; s <= 1; ++s) {
        painter.setBrush(QColor(0xe8, 0x3a, 0x4a));
        painter.drawEllipse(pot + QPointF(s * 9, -32 + std::abs(s) * 2), 6, 6);
        painter.setBrush(QColor(0xff, 0xd5, 0x4a));
        painter.drawEllipse(pot + QPointF(s * 9, -32 + std::abs(s) * 2), 2, 2);
    }
    QPolygonF clay;
    clay << pot + QPointF(-11, -16) << pot + QPointF(11, -16) << pot + QPointF(8, 0) << pot + QPointF(-8, 0);
    painter.setPen(QPen(QColor(0x9a, 0x4a, 0x28), 1.2));
    painter.setBrush(QColor(0xd9, 0x73, 0x45));
    painter.drawPolygon(clay);

    // Gingham curtains drawn aside, matching the awning.
    for (const double side : {-1.0, 1.0}) {
        const qreal edge = side < 0 ? frame.left() - 10 : frame.right() + 10;
        QPainterPath curtain;
        curtain.moveTo(edge, frame.top() - 8);
        curtain.lineTo(edge - side * 30, frame.top() - 8);
        curtain.cubicTo(edge - side * 24, frame.top() + 40, edge - side * 6, frame.top() + 60, edge - side * 16, frame.bottom() + 8);
        curtain.lineTo(edge, frame.bottom() + 8);
        curtain.closeSubpath();
        painter.setPen(QPen(AwningRed.darker(130), 1.5));
        painter.setBrush(AwningRed.lighter(135));
        painter.drawPath(curtain);
        painter.save();
        painter.setClipPath(curtain);
        painter.setPen(QPen(QColor(255, 255, 255, 110), 4));
        for (qreal x = edge - 40; x < edge + 40; x += 10)
            painter.drawLine(QPointF(x, frame.top() - 10), QPointF(x, frame.bottom() + 10));
        for (qreal y = frame.top() - 8; y < frame.bottom() + 10; y += 10)
            painter.drawLine(QPointF(edge - 40, y), QPointF(edge + 40, y));
        painter.restore();
    }
    painter.fillRect(QRectF(frame.left() - 48, frame.top() - 14, frame.width() + 96, 6), QColor(0x8a, 0x5b, 0x3a));
}

void DrawPlant(QPainter& painter, QPointF foot)
{
    painter.setPen(QPen(QColor(0x2e, 0x6e, 0x30), 1.5));
    const QColor leaf(0x4c, 0xa4, 0x48);
    const double angles[] = {-62, -40, -18, 4, 26, 48, 70, -80, 84};
    for (int i = 0; i < 9; ++i) {
        painter.save();
        painter.translate(foot + QPointF(0, -52));
        painter.rotate(angles[i]);
        const qreal length = 70 + (i * 37) % 40;
        QPainterPath blade;
        blade.moveTo(0, 0);
        blade.quadTo(-12, -length * 0.5, 0, -length);
        blade.quadTo(12, -length * 0.5, 0, 0);
        painter.setBrush(i % 2 ? leaf : leaf.lighter(115));
        painter.drawPath(blade);
        painter.restore();
    }
    QPainterPath pot;
    pot.moveTo(foot + QPointF(-30, -58));
    pot.lineTo(foot + QPointF(30, -58));
    pot.lineTo(foot + QPointF(22, 0));
    pot.lineTo(foot + QPointF(-22, 0));
    pot.closeSubpath();
    painter.setPen(QPen(QColor(0x9a, 0x4a, 0x28), 1.5));
    painter.setBrush(Downwards(pot.boundingRect(), QColor(0xe2, 0x84, 0x54), QColor(0xb8, 0x5a, 0x32)));
    painter.drawPath(pot);
    painter.fillRect(QRectF(foot.x() - 33, foot.y() - 62, 66, 10), QColor(0xc8, 0x68, 0x3c));
}

} // namespace

QImage Background()
{
    TPaintedPage page(QImage(Places::Page, QImage::Format_RGB32), Places::BackArea);
    QPainter& painter = page.painter;
    DrawWall(painter);
    DrawLamp(painter, 330, 104, QColor(0x3b, 0xa8, 0x9c));
    DrawLamp(painter, 600, 96, QColor(0xf0, 0xb8, 0x3a));
    DrawAwning(painter);
    DrawMenuBoard(painter);
    DrawWindow(painter);
    DrawPlant(painter, QPointF(44, Places::FloorLine + 18));
    return page.Finish();
}

} // namespace MenusPageArt
