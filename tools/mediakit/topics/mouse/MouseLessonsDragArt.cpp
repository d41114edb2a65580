#include "MouseLessonsDragArt.h"

#include "MouseLessonsPage.h"
#include "MouseLessonsPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/cast/Cast.h"

#include <QPainterPath>

namespace MouseLessonsDragArt {

namespace {

using namespace MouseLessonsPlaces;

const QColor Accent = TMouseLessonsPage::Accent();

QImage Figure(const TCastPose& pose)
{
    QImage image = ArtKit::Transparent(Nyilacska.size(), QImage::Format_ARGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintCastMember(p, TCastMember::Nyilacska, pose, QRectF(4, 4, Nyilacska.width() - 8, Nyilacska.height() - 6));
    p.end();
    return image;
}

// Rolling green ground from the horizon down to the page's bottom edge.
void DrawMeadow(QPainter& p, int horizon)
{
    const qreal y = horizon;
    const QPainterPath ground = ArtKit::Ridge({0, y}, {{260, y - 50}, {560, y + 20}, {1024, y - 30}});
    ArtKit::DrawLandscape(p, {.frame = QRectF(0, 0, 1024, 768),
                              .hills = {{ground, QColor(0xa8, 0xd8, 0x7c), QColor(0x6c, 0xb8, 0x52)}}});
}

// Nyilacska's cottage filling the house rectangle: a red roof, yellow walls and a wide open
// door he fits through, standing on the grass.
void DrawHouse(QPainter& p, const QRectF& house)
{
    const double w = house.width();
    const QRectF walls(house.left() + w * 0.06, house.top() + house.height() * 0.3, w * 0.88, house.height() * 0.7);
    p.setPen(QPen(ArtKit::Palette::Ink, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ArtKit::Downwards(walls, QColor(0xff, 0xe8, 0x9a), QColor(0xf2, 0xc8, 0x5a)));
    p.drawRect(walls);
    QPainterPath roof(QPointF(house.left() + 1, walls.top() + 6));
    roof.lineTo(house.center().x(), house.top() + 2);
    roof.lineTo(house.right() - 1, walls.top() + 6);
    roof.closeSubpath();
    p.setBrush(ArtKit::Downwards(house, QColor(0xe8, 0x4a, 0x3a), QColor(0xb8, 0x2c, 0x24)));
    p.drawPath(roof);
    // A round window in the gable, the open door below with a mat in front.
    p.setBrush(QColor(0xbf, 0xe4, 0xff));
    p.drawEllipse(QPointF(house.center().x(), walls.top() - 22), 14, 14);
    const QRectF door(house.center().x() - w * 0.28, walls.top() + walls.height() * 0.22, w * 0.56, walls.height() * 0.78);
    QPainterPath opening(door.bottomLeft());
    opening.lineTo(door.left(), door.top() + door.width() / 2);
    opening.arcTo(QRectF(door.left(), door.top(), door.width(), door.width()), 180, -180);
    opening.lineTo(door.bottomRight());
    opening.closeSubpath();
    p.setBrush(QColor(0x5a, 0x3a, 0x2a));
    p.drawPath(opening);
    p.setBrush(QColor(0xff, 0xd2, 0x6a));
    p.drawEllipse(QPointF(door.right() - 8, door.center().y() + 10), 4, 4);
    // Its name over the door.
    p.setFont(ArtKit::LabelFont(13));
    p.setPen(QColor(0x8a, 0x3a, 0x1c));
    p.drawText(QRectF(walls.left(), walls.top() + 4, walls.width(), 20), Qt::AlignCenter, QStringLiteral("Nyilacska"));
}

} // namespace

QImage ExplanationScreen()
{
    TMouseLessonsPage page(TMouseLessonsPage::Sky);
    QPainter& p = page.painter;
    ArtKit::DrawHeading(p, QPoint(40, 60), QStringLiteral("Fogd és vidd!"), 36);
    ArtKit::DrawSoftPanel(p, DragText.adjusted(-20, -14, 20, 6));
    page.DrawClipStage(DragClip);
    // The floor Nyilacska stands on, under his picture.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x50, 0x30, 45));
    p.drawEllipse(QPointF(Nyilacska.center().x(), Nyilacska.bottom() - 4), 78, 12);
    ArtKit::DrawHintArrow(p, QPointF(Nyilacska.left() - 12, Nyilacska.center().y() + 20), QPointF(540, 520),
                          QPointF(DragClip.right() + 22, DragClip.center().y() + 30), Accent);
    return page.Finish();
}

QImage HouseScreen()
{
    TMouseLessonsPage page(TMouseLessonsPage::Sky);
    QPainter& p = page.painter;
    DrawMeadow(p, 470);
    // A sandy path from the flower's place to the house door.
    QPainterPath path(QPointF(Flower.center().x(), 720));
    path.cubicTo(QPointF(420, 760), QPointF(300, 700), QPointF(House.center().x() + 10, 740));
    p.setPen(QPen(QColor(0xe8, 0xd0, 0x98), 34, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    // Bushes far away and a tree on the right.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        p.setBrush(QColor(0x58, 0xa0, 0x48));
        p.drawEllipse(QPointF(260 + i * 150, 470 + (i % 2) * 8), 46, 26);
    }
    p.setBrush(QColor(0x8a, 0x5a, 0x2c));
    p.drawRect(QRectF(820, 430, 26, 170));
    p.setBrush(QColor(0x4a, 0x9a, 0x3e));
    p.drawEllipse(QPointF(833, 420), 80, 70);
    DrawHouse(p, House);
    return page.Finish();
}

QImage ExplainingNyilacska()
{
    return Figure(TCastPose::Pointing(200));
}

QImage WavingNyilacska()
{
    TCastPose pose = TCastPose::Waving(0.25);
    pose.mouth = TCastMouth::Grin;
    return Figure(pose);
}

} // namespace MouseLessonsDragArt
