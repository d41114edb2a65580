#include "ProgramsGuidesArt.h"

#include "ProgramsIconsArt.h"
#include "ProgramsPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/TopicStyle.h"
#include "mediakit/cast/Cast.h"
#include "mediakit/cast/CastInk.h"
#include "mediakit/cast/TivadarFigure.h"
#include "mediakit/topics/menus/MenusTivadarArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <iterator>

namespace ProgramsGuidesArt {

namespace {

namespace Places = ProgramsPlaces;
using namespace CastInk;

// ---- The desk ----

// Tivadar sits behind the desk: its back edge hides him from the waist down.
constexpr double DeskBack = 262;
constexpr double DeskFront = 294;
constexpr double TivadarScale = 1.3;
const QPointF TivadarFeet(218, DeskBack + 72 * TivadarScale);
constexpr double SittingDrop = 46; // how far sitting lowers him, as his figure sits
const QColor WoodTop(0xd9, 0xa4, 0x68);
const QColor WoodFront(0xb0, 0x76, 0x40);
const QColor Plastic(0xe6, 0xe8, 0xee);

TCastPose AtTheKeyboard()
{
    TCastPose pose = TCastPose::Standing();
    pose.sitting = true;
    pose.leftArm = MenusTivadarArt::Reach(false, QPointF(-24, -65), TCastHand::Relaxed, SittingDrop);
    pose.rightArm = MenusTivadarArt::Reach(true, QPointF(50, -64), TCastHand::Relaxed, SittingDrop);
    pose.headTurn = -0.7;
    pose.headTilt = -4;
    pose.lookX = -1;
    pose.lookY = 0.1;
    pose.mouth = TCastMouth::Grin;
    pose.eyebrows = 0.4;
    return pose;
}

void DrawChair(QPainter& painter)
{
    const QColor cloth(0x3c, 0x5a, 0x9a);
    Shape(painter, ArtKit::RoundedRect(QRectF(TivadarFeet.x() - 62, 118, 124, 160), 26), cloth, 3);
    Shade(painter, ArtKit::RoundedRect(QRectF(TivadarFeet.x() - 62, 118, 124, 160), 26),
          ArtKit::RoundedRect(QRectF(TivadarFeet.x() + 26, 118, 40, 160), 20), cloth.darker(125));
}

// The little desktop on the monitor's screen, in a 160 × 120 frame.
void DrawScreen(QPainter& painter)
{
    const QRectF screen(0, 0, 160, 120);
    painter.fillRect(screen, ArtKit::Downwards(screen, QColor(0x2a, 0x92, 0xc8), QColor(0x12, 0x62, 0x96)));
    // The icons down the left, a calculator window open, the task bar along the bottom.
    const QImage icons[] = {ProgramsIconsArt::Computer(), ProgramsIconsArt::Calculator(), ProgramsIconsArt::Paint()};
    for (int i = 0; i < 3; ++i)
        painter.drawImage(QRectF(6, 6 + i * 28, 18, 18), icons[i]);
    const QRectF window(52, 16, 84, 74);
    painter.setPen(QPen(QColor(0x30, 0x30, 0x40), 1));
    painter.setBrush(QColor(0x2e, 0x9e, 0x4a));
    painter.drawRect(window);
    painter.fillRect(QRectF(window.left(), window.top(), window.width(), 10), QColor(0x1c, 0x4c, 0xa8));
    painter.fillRect(QRectF(window.left() + 8, window.top() + 18, window.width() - 16, 22), QColor(0xb8, 0xf0, 0x80));
    painter.setFont(ArtKit::LabelFont(16));
    painter.setPen(QColor(0x1a, 0x3a, 0x10));
    painter.drawText(QRectF(window.left() + 8, window.top() + 18, window.width() - 20, 22), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("7+5"));
    painter.fillRect(QRectF(window.left() + 8, window.top() + 48, 32, 16), QColor(0xf4, 0xf5, 0xf8));
    painter.fillRect(QRectF(window.left() + 46, window.top() + 48, 30, 16), QColor(0xf4, 0xf5, 0xf8));
    painter.fillRect(QRectF(0, 108, 160, 12), QColor(0xd4, 0xd0, 0xc8));
    painter.fillRect(QRectF(2, 110, 22, 8), QColor(0x3a, 0x9a, 0x48));
}

// The monitor on the left of the desk, turned towards Tivadar, so its left edge is the nearer.
void DrawMonitor(QPainter& painter)
{
    const QPolygonF case_({QPointF(8, 96), QPointF(150, 118), QPointF(150, 236), QPointF(8, 254)});
    const QPolygonF glass({QPointF(18, 108), QPointF(141, 127), QPointF(141, 226), QPointF(18, 242)});
    // The stand under it, then the case, the screen and its shine.
    Shape(painter, Ellipse(QPointF(80, 272), 46, 9), QColor(0x50, 0x58, 0x68), 3);
    QPainterPath neck;
    neck.addRect(QRectF(68, 240, 24, 30));
    Shape(painter, neck, QColor(0x60, 0x68, 0x78), 3);
    QPainterPath body;
    body.addPolygon(case_);
    body.closeSubpath();
    Shape(painter, body, QColor(0x46, 0x4e, 0x5e), 3);
    painter.save();
    QTransform onGlass;
    QTransform::quadToQuad(QPolygonF({QPointF(0, 0), QPointF(160, 0), QPointF(160, 120), QPointF(0, 120)}), glass, onGlass);
    painter.setTransform(onGlass, true);
    DrawScreen(painter);
    painter.restore();
    QPainterPath shine;
    shine.moveTo(24, 112);
    shine.lineTo(70, 119);
    shine.lineTo(30, 190);
    shine.lineTo(24, 190);
    shine.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 40));
    painter.drawPath(shine);
    painter.setBrush(QColor(0x5c, 0xe0, 0x6a));
    painter.drawEllipse(QPointF(140, 232), 2.5, 2);
}

void DrawDesk(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x30, 0x28, 0x20, 50));
    painter.drawEllipse(QPointF(166, 398), 170, 8);
    QPainterPath top;
    top.moveTo(14, DeskBack);
    top.lineTo(319, DeskBack);
    top.lineTo(331, DeskFront);
    top.lineTo(2, DeskFront);
    top.closeSubpath();
    Shape(painter, top, WoodTop, 3);
    QPainterPath front;
    front.addRect(QRectF(2, DeskFront, 329, 14));
    Shape(painter, front, WoodFront, 3);
    // Two legs of drawers, the knee space between them in shadow.
    for (const double left : {10.0, 236.0}) {
        QPainterPath drawers;
        drawers.addRect(QRectF(left, DeskFront + 14, 88, 84));
        Shape(painter, drawers, WoodFront, 3);
        for (int drawer = 0; drawer < 2; ++drawer) {
            const QRectF face(left + 8, DeskFront + 22 + drawer * 38, 72, 30);
            painter.setPen(QPen(Outline(), 2));
            painter.setBrush(WoodTop.darker(108));
            painter.drawRoundedRect(face, 4, 4);
            painter.setBrush(QColor(0xf0, 0xe0, 0xc0));
            painter.drawRoundedRect(QRectF(face.center().x() - 12, face.top() + 11, 24, 7), 3, 3);
        }
    }
    painter.fillRect(QRectF(98, DeskFront + 14, 138, 84), QColor(0x5a, 0x3c, 0x22, 90));
}

void DrawKeyboardAndMouse(QPainter& painter)
{
    QPainterPath board;
    board.moveTo(150, 266);
    board.lineTo(246, 266);
    board.lineTo(252, 286);
    board.lineTo(144, 286);
    board.closeSubpath();
    Shape(painter, board, Plastic, 2.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x9a, 0xa0, 0xae));
    for (int row = 0; row < 3; ++row)
        for (int key = 0; key < 11; ++key) {
            const double y = 269.5 + row * 5.2;
            const double x = 150 - (y - 266) * 0.3 + 4 + key * (88 + (y - 266) * 0.6) / 11;
            painter.drawRect(QRectF(x, y, 6, 3.4));
        }
    Shape(painter, Ellipse(QPointF(286, 278), 10, 7), Plastic, 2.5);
    painter.setPen(QPen(Outline(), 1.5));
    painter.drawLine(QPointF(286, 271), QPointF(286, 277));
    // A mug of cocoa at the back right.
    QPainterPath mug;
    mug.addRoundedRect(QRectF(296, 234, 22, 30), 4, 4);
    Shape(painter, mug, TopicStyle::Accent(QStringLiteral("PROGRAMOK")), 2.5);
    painter.setPen(QPen(Outline(), 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(312, 240, 14, 16), -80 * 16, 160 * 16);
    painter.setPen(QPen(QColor(0xff, 0xff, 0xff, 170), 2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath steam(QPointF(302, 228));
    steam.cubicTo(QPointF(296, 218), QPointF(310, 212), QPointF(304, 200));
    painter.drawPath(steam);
}

// ---- The house ----

constexpr int Storeys = 5;
constexpr double Ground = 548;      // where the house meets the pavement
constexpr double Eaves = 118;       // where the roof starts
constexpr double StoreyHeight = (Ground - Eaves) / Storeys;
constexpr double WindowCentres[] = {148, 290, 432};
const QSizeF Glass(88, 56);
const QColor Wall(0xfa, 0xe6, 0xb4);
const QColor Trim(0xe0, 0xb8, 0x76);
const QColor RoofTiles(0xd0, 0x50, 0x3a);

QRectF GlassAt(int storey, int column)
{
    const double top = Ground - (storey + 1) * StoreyHeight + 12;
    return QRectF(WindowCentres[column] - Glass.width() / 2, top, Glass.width(), Glass.height());
}

// How much of each guide shows above the sill, as a share of the standing figure's height.
double ShownAbove(TCastMember who)
{
    switch (who) {
    case TCastMember::Lemezke:
        return 0.72;
    case TCastMember::Nyilacska:
    case TCastMember::Tarolka:
        return 0.62;
    default:
        return 0.4;
    }
}

// A guide leaning out of the window, waving, cut by the sill and the window's sides.
void DrawGuideAt(QPainter& painter, TCastMember who, const QRectF& glass, double phase)
{
    const QRectF bounds = CastStandingBounds(who);
    const double scale = (glass.height() - 2) / (bounds.height() * ShownAbove(who));
    const QPointF feet(glass.center().x() - bounds.center().x() * scale, glass.top() + 4 - bounds.top() * scale);
    painter.save();
    painter.setClipRect(glass);
    PaintCastMemberAt(painter, who, TCastPose::Waving(phase), feet, scale);
    painter.restore();
}

void DrawWindow(QPainter& painter, const QRectF& glass, bool open)
{
    const QRectF frame = glass.adjusted(-6, -6, 6, 6);
    painter.setPen(QPen(Outline(), 2.5));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(frame, 4, 4);
    painter.setBrush(open ? QColor(0x7a, 0x5a, 0x48) : QColor(0xa8, 0xd8, 0xf4));
    painter.setPen(QPen(Outline(), 2));
    painter.drawRect(glass);
    if (!open) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 110));
        QPainterPath shine(glass.topLeft() + QPointF(8, 0));
        shine.lineTo(glass.topLeft() + QPointF(30, 0));
        shine.lineTo(glass.bottomLeft() + QPointF(4, 0));
        shine.lineTo(glass.bottomLeft());
        shine.lineTo(glass.topLeft() + QPointF(0, 14));
        shine.closeSubpath();
        painter.drawPath(shine);
        painter.setPen(QPen(Qt::white, 4));
        painter.drawLine(QPointF(glass.center().x(), glass.top()), QPointF(glass.center().x(), glass.bottom()));
        painter.setPen(QPen(Outline(), 1.5));
        painter.drawLine(QPointF(glass.center().x() - 2, glass.top()), QPointF(glass.center().x() - 2, glass.bottom()));
    }
}

// The curtains drawn back to the sides and the sill with its flower box, in front of whoever leans out.
void DrawCurtainsAndSill(QPainter& painter, const QRectF& glass, const QColor& curtain)
{
    for (const double side : {-1.0, 1.0}) {
        const double edge = side < 0 ? glass.left() : glass.right();
        QPainterPath drape(QPointF(edge, glass.top()));
        drape.lineTo(edge - side * 18, glass.top());
        drape.quadTo(QPointF(edge - side * 6, glass.center().y()), QPointF(edge - side * 10, glass.bottom()));
        drape.lineTo(edge, glass.bottom());
        drape.closeSubpath();
        Shape(painter, drape, curtain, 2);
    }
    QPainterPath box;
    box.addRoundedRect(QRectF(glass.left() - 8, glass.bottom() + 2, glass.width() + 16, 12), 3, 3);
    Shape(painter, box, QColor(0x9a, 0x62, 0x34), 2.5);
    const QColor blooms[] = {QColor(0xf0, 0x40, 0x50), QColor(0xff, 0xd0, 0x30), QColor(0xf0, 0x70, 0xc0)};
    for (int bloom = 0; bloom < 7; ++bloom) {
        const QPointF at(glass.left() - 2 + bloom * (glass.width() + 4) / 6, glass.bottom() + 1);
        Flat(painter, Ellipse(at + QPointF(0, 3), 5, 3), QColor(0x3a, 0x8a, 0x3a), 1.5);
        Flat(painter, Ellipse(at, 3.6, 3.6), blooms[bloom % 3], 1.5);
    }
}

void DrawRoof(QPainter& painter)
{
    // The chimney, then the tiled roof.
    QPainterPath chimney;
    chimney.addRect(QRectF(402, 16, 34, 78));
    Shape(painter, chimney, QColor(0xb0, 0x60, 0x4a), 3);
    Shape(painter, ArtKit::RoundedRect(QRectF(396, 8, 46, 12), 3), QColor(0x8a, 0x48, 0x38), 3);
    QPainterPath roof;
    roof.moveTo(24, Eaves + 8);
    roof.lineTo(150, 36);
    roof.lineTo(430, 36);
    roof.lineTo(556, Eaves + 8);
    roof.closeSubpath();
    Shape(painter, roof, RoofTiles, 3.5);
    painter.save();
    painter.setClipPath(roof);
    painter.setPen(QPen(RoofTiles.darker(125), 2));
    for (double y = 52; y < Eaves + 8; y += 16)
        painter.drawLine(QPointF(0, y), QPointF(581, y));
    for (double y = 36; y < Eaves + 8; y += 16)
        for (double x = (int(y) / 16) % 2 ? 20 : 40; x < 581; x += 40)
            painter.drawLine(QPointF(x, y), QPointF(x, y + 16));
    painter.restore();
    // A round attic window in the middle of the roof.
    Shape(painter, Ellipse(QPointF(290, 80), 22, 22), Qt::white, 3);
    Shape(painter, Ellipse(QPointF(290, 80), 15, 15), QColor(0xa8, 0xd8, 0xf4), 2);
}

void DrawDoor(QPainter& painter)
{
    const QRectF door(256, Ground - StoreyHeight + 12, 68, StoreyHeight - 12);
    QPainterPath arch;
    arch.moveTo(door.bottomLeft());
    arch.lineTo(door.left(), door.top() + 34);
    arch.arcTo(QRectF(door.left(), door.top(), door.width(), 68), 180, -180);
    arch.lineTo(door.bottomRight());
    arch.closeSubpath();
    Shape(painter, arch, QColor(0x3a, 0x8a, 0x4a), 3);
    painter.setPen(QPen(Outline(), 2));
    painter.setBrush(QColor(0x2e, 0x72, 0x3c));
    painter.drawRoundedRect(QRectF(door.left() + 10, door.top() + 36, door.width() - 20, 22), 3, 3);
    painter.drawRoundedRect(QRectF(door.left() + 10, door.top() + 64, door.width() - 20, door.height() - 72), 3, 3);
    Shape(painter, Ellipse(QPointF(door.right() - 9, door.top() + 62), 3.5, 3.5), QColor(0xf4, 0xd0, 0x40), 1.5);
    Shape(painter, Ellipse(QPointF(door.center().x(), door.top() + 18), 12, 12), QColor(0xa8, 0xd8, 0xf4), 2);
}

} // namespace

QImage Desk()
{
    QImage image = ArtKit::Transparent(Places::DeskPicture);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const TCastPose pose = AtTheKeyboard();
    DrawChair(painter);
    painter.save();
    painter.setClipRect(QRectF(0, 0, 333, DeskBack + 2));
    PaintCastMemberAt(painter, TCastMember::Tivadar, pose, TivadarFeet, TivadarScale);
    painter.restore();
    DrawDesk(painter);
    DrawKeyboardAndMouse(painter);
    // His arms again in front of the desk's back edge, his hands resting on the keyboard and the mouse.
    painter.save();
    painter.setClipRect(QRectF(0, DeskBack - 3, 333, 405));
    painter.translate(TivadarFeet);
    painter.scale(TivadarScale, TivadarScale);
    TTivadarFigure().PaintArms(painter, pose);
    painter.restore();
    DrawMonitor(painter);
    painter.end();
    return image;
}

QImage House()
{
    QImage image = ArtKit::Transparent(Places::HousePicture);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The lawn and the path to the door.
    QPainterPath lawn;
    lawn.addRoundedRect(QRectF(4, Ground - 6, 573, 581 - Ground + 6), 14, 14);
    Shape(painter, lawn, QColor(0x7c, 0xc0, 0x4a), 3);
    QPainterPath path;
    path.moveTo(252, Ground);
    path.lineTo(328, Ground);
    path.lineTo(350, 583);
    path.lineTo(230, 583);
    path.closeSubpath();
    Shape(painter, path, QColor(0xd8, 0xd0, 0xc4), 2.5);

    QPainterPath walls;
    walls.addRect(QRectF(56, Eaves, 468, Ground - Eaves));
    Shape(painter, walls, Wall, 3.5);
    painter.setPen(QPen(Trim, 5));
    for (int storey = 1; storey < Storeys; ++storey) {
        const double y = Ground - storey * StoreyHeight;
        painter.drawLine(QPointF(58, y), QPointF(522, y));
    }
    DrawRoof(painter);

    const struct {
        TCastMember who;
        int storey;
        int column;
        double phase;
        QColor curtain;
    } guides[] = {
        {TCastMember::Nora, 4, 1, 0.25, QColor(0xf4, 0x9a, 0xb8)},  {TCastMember::Tivadar, 3, 0, 0.3, QColor(0x8a, 0xc4, 0xf0)},
        {TCastMember::Tarolka, 3, 2, 0.2, QColor(0xf8, 0xd0, 0x60)}, {TCastMember::Odon, 2, 1, 0.35, QColor(0xb0, 0xe0, 0x90)},
        {TCastMember::Nyilacska, 1, 0, 0.25, QColor(0xc8, 0xa8, 0xf0)}, {TCastMember::Lemezke, 0, 2, 0.3, QColor(0xf8, 0xb0, 0x80)},
    };
    for (int storey = 0; storey < Storeys; ++storey)
        for (int column = 0; column < 3; ++column) {
            if (storey == 0 && column == 1)
                continue; // the door
            const QRectF glass = GlassAt(storey, column);
            const auto guide = std::find_if(std::begin(guides), std::end(guides),
                                            [&](const auto& g) { return g.storey == storey && g.column == column; });
            const bool open = guide != std::end(guides);
            DrawWindow(painter, glass, open);
            if (open)
                DrawGuideAt(painter, guide->who, glass, guide->phase);
            DrawCurtainsAndSill(painter, glass, open ? guide->curtain : QColor(0xf2, 0xf2, 0xf6));
        }
    DrawDoor(painter);
    painter.end();
    return image;
}

} // namespace ProgramsGuidesArt
