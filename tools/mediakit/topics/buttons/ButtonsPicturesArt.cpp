#include "ButtonsPicturesArt.h"

#include "ButtonsPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/cast/Cast.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <functional>

namespace ButtonsPicturesArt {

namespace {

namespace Places = ButtonsPlaces;

using ArtKit::Transparent;

// A glossy face filling a path: lit from above, a darker rim and a shine across the top.
void DrawGlossy(QPainter& painter, const QPainterPath& shape, QColor colour)
{
    const QRectF r = shape.boundingRect();
    QRadialGradient body(QPointF(r.center().x(), r.top() + r.height() * 0.35), r.width() * 0.7);
    body.setColorAt(0, colour.lighter(135));
    body.setColorAt(0.7, colour);
    body.setColorAt(1, colour.darker(130));
    painter.setPen(QPen(colour.darker(170), 1.5));
    painter.setBrush(body);
    painter.drawPath(shape);
    QPainterPath shine;
    shine.addEllipse(QRectF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.07, r.width() * 0.6, r.height() * 0.34));
    QLinearGradient gloss(shine.boundingRect().topLeft(), shine.boundingRect().bottomLeft());
    gloss.setColorAt(0, QColor(255, 255, 255, 170));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    painter.drawPath(shine.intersected(shape));
}

// A picture of the tool-bar page: a rounded card with a sky or a wall and the floor or grass
// the thing stands on, then the thing itself drawn by draw into the card's rectangle.
QImage ScenePicture(QSize size, QColor top, QColor bottom, QColor ground,
                    const std::function<void(QPainter&, const QRectF&)>& draw, int clearTop = 2)
{
    QImage image = Transparent(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF rect = QRectF(image.rect()).adjusted(2, clearTop, -2, -2);
    painter.setPen(QPen(QColor(0x55, 0x60, 0x78), 2));
    painter.setBrush(ArtKit::Downwards(rect, top, bottom));
    painter.drawRoundedRect(rect, 14, 14);
    QPainterPath floor;
    floor.addRect(QRectF(rect.left(), rect.top() + rect.height() * 0.74, rect.width(), rect.height() * 0.26));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ground);
    painter.drawPath(floor.intersected(ArtKit::RoundedRect(rect.adjusted(1, 1, -1, -1), 13)));
    draw(painter, rect);
    painter.end();
    return image;
}

// A dart stuck in the board, its tip at tip, flying in from the lower right.
void DrawDart(QPainter& painter, QPointF tip, qreal length, QColor flight)
{
    painter.save();
    ArtKit::Place(painter, tip, -35);
    painter.setPen(QPen(QColor(0x55, 0x55, 0x5a), length * 0.05, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, 0), QPointF(length * 0.35, 0));
    painter.setPen(QPen(QColor(0x2a, 0x2a, 0x30), 1));
    painter.setBrush(QColor(0xc9, 0xa2, 0x3a));
    painter.drawRoundedRect(QRectF(length * 0.33, -length * 0.05, length * 0.32, length * 0.1), 3, 3);
    painter.setBrush(flight);
    QPolygonF wing;
    wing << QPointF(length * 0.65, 0) << QPointF(length, -length * 0.16) << QPointF(length * 0.95, 0)
         << QPointF(length, length * 0.16);
    painter.drawPolygon(wing);
    painter.restore();
}

QImage DartsPicture(QSize size)
{
    return ScenePicture(size, QColor(0xe9, 0xc8, 0x96), QColor(0xc8, 0x94, 0x5a), QColor(0x8a, 0x58, 0x2e),
                        [](QPainter& painter, const QRectF& r) {
        const qreal d = r.height() * 0.82;
        const QRectF board(r.center().x() - d / 2, r.top() + r.height() * 0.06, d, d);
        ArtKit::DrawClipArt(painter, QStringLiteral("recreation/sports/dartboard_ruud_steltenpo_01.svg"), board);
        DrawDart(painter, board.center() + QPointF(d * 0.05, -d * 0.03), d * 0.42, QColor(0xe0, 0x30, 0x40));
        DrawDart(painter, board.center() + QPointF(-d * 0.18, d * 0.16), d * 0.42, QColor(0x30, 0x70, 0xe0));
    });
}

QImage ChessPicture(QSize size)
{
    return ScenePicture(size, QColor(0xf2, 0xf4, 0xfa), QColor(0xd6, 0xdd, 0xec), QColor(0x9c, 0x6a, 0x3a),
                        [](QPainter& painter, const QRectF& r) {
        const qreal d = r.height() * 0.86;
        ArtKit::DrawClipArt(painter, QStringLiteral("recreation/games/chess/yet_another_chess_game_01.svg"),
                            QRectF(r.center().x() - d / 2, r.top() + r.height() * 0.07, d, d));
    });
}

QImage ArcheryPicture(QSize size)
{
    return ScenePicture(size, QColor(0x9c, 0xd4, 0xff), QColor(0xdc, 0xf0, 0xff), QColor(0x6c, 0xb8, 0x4a),
                        [](QPainter& painter, const QRectF& r) {
        ArtKit::DrawClipArt(painter, QStringLiteral("recreation/sports/target_with_arrow_virgin_01.svg"),
                            QRectF(r.left() + r.width() * 0.3, r.top() + 8, r.width() * 0.66, r.height() * 0.84));
        // The bow waiting on the grass, its string taut.
        painter.save();
        ArtKit::Place(painter, QPointF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.52), 8);
        const qreal h = r.height() * 0.34;
        QPainterPath bow(QPointF(0, -h));
        bow.cubicTo(QPointF(-h * 0.75, -h * 0.6), QPointF(-h * 0.75, h * 0.6), QPointF(0, h));
        painter.setPen(QPen(QColor(0x7a, 0x45, 0x18), h * 0.09, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(bow);
        painter.setPen(QPen(QColor(0xf4, 0xf4, 0xee), 1.5));
        painter.drawLine(QPointF(0, -h), QPointF(0, h));
        painter.restore();
    });
}

QImage CameraPicture(QSize size)
{
    return ScenePicture(size, QColor(0xff, 0xf3, 0xd8), QColor(0xfa, 0xdd, 0xb0), QColor(0xb0, 0x7a, 0x4a),
                        [](QPainter& painter, const QRectF& r) {
        // A photo it has just taken, lying on the table.
        painter.save();
        ArtKit::Place(painter, QPointF(r.left() + r.width() * 0.16, r.top() + r.height() * 0.55), -10);
        const QRectF photo(-r.width() * 0.1, -r.height() * 0.2, r.width() * 0.22, r.height() * 0.3);
        painter.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
        painter.setBrush(Qt::white);
        painter.drawRect(photo);
        const QRectF shot = photo.adjusted(5, 5, -5, -14);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ArtKit::Downwards(shot, QColor(0x7c, 0xc4, 0xff), QColor(0xd4, 0xee, 0xff)));
        painter.drawRect(shot);
        painter.setBrush(QColor(0x5c, 0xb0, 0x48));
        painter.drawRect(QRectF(shot.left(), shot.bottom() - shot.height() * 0.3, shot.width(), shot.height() * 0.3));
        painter.setBrush(QColor(0xff, 0xd0, 0x30));
        painter.drawEllipse(QPointF(shot.right() - shot.width() * 0.25, shot.top() + shot.height() * 0.28), 6, 6);
        painter.restore();
        ArtKit::DrawClipArt(painter, QStringLiteral("computer/hardware/digital_camera_nicu_bucu_01.svg"),
                            QRectF(r.left() + r.width() * 0.32, r.top() + r.height() * 0.12, r.width() * 0.64, r.height() * 0.74));
    });
}

struct THouse {
    const char* svg;
    QColor sky;
};

const THouse Houses[4] = {
    {"buildings/homes/my_house_01.svg", QColor(0x9c, 0xd4, 0xff)},
    {"buildings/homes/house.svg", QColor(0xff, 0xd6, 0xa8)},
    {"buildings/homes/house_christoph_brill_01.svg", QColor(0xc4, 0xe4, 0xff)},
    {"buildings/homes/house_juliane_krug_01.svg", QColor(0xd8, 0xf0, 0xc8)},
};

// The house buttons reach 5 px into the picture's place: the scene starts a little below them.
constexpr int HouseClearTop = 10;

QImage HouseScene(const THouse& house, QSize size)
{
    return ScenePicture(
        size, house.sky, house.sky.lighter(118), QColor(0x74, 0xc0, 0x52),
        [&house](QPainter& painter, const QRectF& r) {
            ArtKit::DrawClipArt(painter, QString::fromLatin1(house.svg), r.adjusted(18, 16, -18, -14));
        },
        HouseClearTop);
}

// A glyph: the drawing alone on a transparent square, a pixel of room at the edges.
QImage Glyph(const std::function<void(QPainter&, QRectF)>& draw)
{
    QImage image = Transparent(Places::Glyph);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, QRectF(image.rect()).adjusted(1, 1, -1, -1));
    painter.end();
    return image;
}

QImage ClipArtGlyph(const char* svg)
{
    return Glyph([svg](QPainter& painter, QRectF r) { ArtKit::DrawClipArt(painter, QString::fromLatin1(svg), r); });
}

} // namespace

QImage RoundButton()
{
    QImage image = Transparent(Places::RoundButton.size());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath disc;
    disc.addEllipse(QRectF(image.rect()).adjusted(2, 2, -2, -3));
    DrawGlossy(painter, disc, QColor(0xe0, 0x34, 0x3c));
    ArtKit::DrawStar(painter, QPointF(35, 37), 15, QColor(0xff, 0xe0, 0x5a));
    painter.end();
    return image;
}

QImage EllipseButton()
{
    QImage image = Transparent(Places::EllipseButton.size());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath oval;
    oval.addEllipse(QRectF(image.rect()).adjusted(1.5, 1.5, -1.5, -2));
    DrawGlossy(painter, oval, QColor(0x2e, 0xa8, 0x52));
    painter.setFont(ArtKit::LabelFont(17));
    painter.setPen(Qt::white);
    painter.drawText(QRectF(image.rect()).adjusted(0, 1, 0, 0), Qt::AlignCenter, QStringLiteral("Katt!"));
    painter.end();
    return image;
}

QImage NoraButton()
{
    QImage image = Transparent(Places::NoraButton.size());
    QPainter painter(&image);
    TCastPose pose = TCastPose::Standing();
    pose.mouth = TCastMouth::Grin;
    pose.headTilt = 4;
    pose.eyebrows = 0.4;
    PaintCastHead(painter, TCastMember::Nora, pose, QRectF(1, 1, 133, 73));
    painter.end();
    return image;
}

QImage MiniNora()
{
    QImage image = Transparent(Places::MiniNora);
    QPainter painter(&image);
    TCastPose pose = TCastPose::Pointing(180);
    pose.mouth = TCastMouth::Grin;
    PaintCastMember(painter, TCastMember::Nora, pose, QRectF(1, 1, 71, 73));
    painter.end();
    return image;
}

QImage CheckMark()
{
    QImage image = Transparent(Places::CheckMark);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick(QPointF(7, 21));
    tick.lineTo(QPointF(16, 31));
    tick.cubicTo(QPointF(21, 20), QPointF(27, 12), QPointF(35, 6));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x0e, 0x5c, 0x26), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    painter.setPen(QPen(QColor(0x2c, 0xb8, 0x4c), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    painter.end();
    return image;
}

std::vector<TToolBarPicture> LargePictures()
{
    const QSize tool = Places::ToolPicture.size();
    std::vector<TToolBarPicture> pictures = {
        {"_darts_big.png", DartsPicture(tool)},
        {"_sakk_big.png", ChessPicture(tool)},
        {"_ijj_big.png", ArcheryPicture(tool)},
        {"_foto_big.png", CameraPicture(tool)},
    };
    for (int i = 0; i < 4; ++i)
        pictures.push_back({QStringLiteral("_haziko_%1.png").arg(i + 1), HouseScene(Houses[i], Places::HousePicture.size())});
    return pictures;
}

std::vector<TToolBarPicture> Glyphs()
{
    std::vector<TToolBarPicture> glyphs = {
        {"_glyph_darts.png", ClipArtGlyph("recreation/sports/dartboard_ruud_steltenpo_01.svg")},
        {"_glyph_sakk.png", ClipArtGlyph("recreation/games/chess/chesspieces-knight.svg")},
        {"_glyph_nyil.png", Glyph([](QPainter& painter, QRectF r) {
             // An arrow flying up to the right, feathered at its tail.
             QPainterPath shaft(r.bottomLeft() + QPointF(8, -8));
             shaft.lineTo(r.topRight() + QPointF(-10, 10));
             ArtKit::DrawArrowHeadLine(painter, shaft, r.topRight() + QPointF(-5, 5), QPointF(1, -1), 3.5,
                                       QColor(0x7a, 0x45, 0x18));
             painter.setPen(QPen(QColor(0xe0, 0x30, 0x40), 3, Qt::SolidLine, Qt::RoundCap));
             for (qreal t : {0.0, 6.0}) {
                 const QPointF base = r.bottomLeft() + QPointF(8 + t, -8 - t);
                 painter.drawLine(base, base + QPointF(-6, -2));
                 painter.drawLine(base, base + QPointF(2, 6));
             }
         })},
        {"_glyph_foto.png", ClipArtGlyph("computer/hardware/digital_camera_nicu_bucu_01.svg")},
    };
    for (int i = 0; i < 4; ++i)
        glyphs.push_back({QStringLiteral("_glyph_haziko_%1.png").arg(i + 1), ClipArtGlyph(Houses[i].svg)});
    return glyphs;
}

} // namespace ButtonsPicturesArt
