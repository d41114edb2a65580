#include "MouseLessonsColouringArt.h"

#include "MouseLessonsPage.h"
#include "MouseLessonsPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/cast/Cast.h"
#include "topics/mouse/GameTitles.h"
#include "mediakit/cast/CastInk.h"

#include <QPainterPath>

namespace MouseLessonsColouringArt {

namespace {

using namespace MouseLessonsPlaces;

const QColor Accent = TMouseLessonsPage::Accent();
const QColor Ink = ArtKit::Palette::Ink;
const QColor Skin(0xff, 0xd6, 0xbc);

QPainterPath ShirtShape()
{
    QPainterPath shirt(QPointF(40, 4));
    shirt.quadTo(61.5, 24, 83, 4);
    for (QPointF p : {QPointF(106, 10), QPointF(121, 40), QPointF(99, 50), QPointF(98, 106), QPointF(25, 106),
                      QPointF(24, 50), QPointF(2, 40), QPointF(17, 10)})
        shirt.lineTo(p);
    shirt.closeSubpath();
    return shirt;
}

QPainterPath SkirtShape()
{
    QPainterPath skirt(QPointF(16, 1));
    skirt.lineTo(87, 1);
    skirt.quadTo(96, 16, 102, 30);
    skirt.quadTo(51.5, 34, 1, 30);
    skirt.quadTo(7, 16, 16, 1);
    return skirt;
}

// The sports car from the side, facing right, low with a spoiler at the back; its windows and
// the wheels' places are left out.
QPainterPath CarBody()
{
    QPainterPath body(QPointF(10, 94));
    body.lineTo(6, 62);
    body.quadTo(12, 50, 40, 48);
    body.lineTo(150, 44);
    body.cubicTo(178, 28, 205, 21, 250, 20);
    body.lineTo(312, 22);
    body.cubicTo(340, 26, 368, 38, 392, 47);
    body.lineTo(462, 56);
    body.quadTo(484, 62, 484, 78);
    body.lineTo(480, 94);
    body.lineTo(434, 94);
    body.arcTo(QRectF(366, 60, 68, 68), 0, 180);
    body.lineTo(130, 94);
    body.arcTo(QRectF(62, 60, 68, 68), 0, 180);
    body.closeSubpath();
    QPainterPath spoiler;
    spoiler.addRoundedRect(QRectF(6, 30, 54, 8), 3, 3);
    spoiler.addRect(QRectF(30, 36, 8, 14));
    return body.united(spoiler);
}

QPainterPath CarWindows()
{
    QPainterPath glass(QPointF(170, 44));
    glass.cubicTo(188, 34, 208, 29, 248, 28);
    glass.lineTo(262, 28);
    glass.lineTo(262, 44);
    glass.closeSubpath();
    QPainterPath front(QPointF(274, 28));
    front.lineTo(310, 29);
    front.cubicTo(330, 32, 350, 38, 366, 45);
    front.lineTo(274, 45);
    front.closeSubpath();
    glass.addPath(front);
    return glass;
}

QPainterPath Shape(TGarment garment)
{
    switch (garment) {
    case TGarment::Shirt:
        return ShirtShape();
    case TGarment::Skirt:
        return SkirtShape();
    case TGarment::Car:
        return CarBody().subtracted(CarWindows());
    }
    return {};
}

QSize SizeOf(TGarment garment)
{
    return garment == TGarment::Shirt ? Shirt.size() : garment == TGarment::Skirt ? Skirt.size() : Car.size();
}

// Folds, seams, shadow and shine of one garment, painted inside its shape.
void PaintShading(QPainter& p, TGarment garment)
{
    const QPainterPath shape = Shape(garment);
    const QRectF r = shape.boundingRect();
    p.save();
    p.setClipPath(shape);
    // Shadow toward the right and the bottom, shine along the left.
    QLinearGradient side(r.topLeft(), r.topRight());
    side.setColorAt(0, QColor(255, 255, 255, 110));
    // The long car takes narrower bands than the clothes.
    const bool car = garment == TGarment::Car;
    side.setColorAt(car ? 0.06 : 0.16, QColor(255, 255, 255, 0));
    side.setColorAt(car ? 0.92 : 0.8, QColor(0, 0, 0, 0));
    side.setColorAt(1, QColor(0, 0, 0, 120));
    p.fillRect(r, side);
    QLinearGradient low(r.topLeft(), r.bottomLeft());
    low.setColorAt(car ? 0.84 : 0.78, QColor(0, 0, 0, 0));
    low.setColorAt(1, QColor(0, 0, 0, car ? 140 : 90));
    p.fillRect(r, low);
    p.setBrush(Qt::NoBrush);
    switch (garment) {
    case TGarment::Shirt:
        p.setPen(QPen(QColor(0, 0, 0, 150), 2));
        p.drawLine(QPointF(24, 50), QPointF(29, 14));  // sleeve seams
        p.drawLine(QPointF(99, 50), QPointF(94, 14));
        p.setPen(QPen(QColor(0, 0, 0, 90), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(44, 70), QPointF(52, 100)); // folds
        p.drawLine(QPointF(78, 76), QPointF(72, 102));
        p.setPen(QPen(QColor(0, 0, 0, 170), 5));
        p.drawArc(QRectF(40, -16, 43, 40), 200 * 16, 140 * 16); // the collar
        // A star on the chest, lighter than the shirt.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 200));
        {
            QPainterPath star;
            for (int i = 0; i < 10; ++i) {
                const double a = -M_PI / 2 + i * M_PI / 5;
                const double rr = i % 2 ? 5 : 12;
                const QPointF pt(61.5 + rr * std::cos(a), 52 + rr * std::sin(a));
                i ? star.lineTo(pt) : star.moveTo(pt);
            }
            star.closeSubpath();
            p.drawPath(star);
        }
        break;
    case TGarment::Skirt:
        p.setPen(QPen(QColor(0, 0, 0, 130), 2));
        for (int i = 1; i < 6; ++i) {
            const double top = 16 + i * 71.0 / 6, bottom = 1 + i * 101.0 / 6;
            p.drawLine(QPointF(top, 5), QPointF(bottom, 31));
        }
        p.setPen(QPen(QColor(0, 0, 0, 150), 4));
        p.drawLine(QPointF(15, 3), QPointF(88, 3)); // waistband
        break;
    case TGarment::Car:
        // A white racing stripe, the doors, handles, lights and a dark sill.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawRect(QRectF(0, 56, 486, 7));
        p.setPen(QPen(QColor(0, 0, 0, 200), 2));
        p.drawLine(QPointF(262, 44), QPointF(258, 92));
        p.drawLine(QPointF(164, 46), QPointF(170, 92));
        p.drawLine(QPointF(372, 46), QPointF(366, 64));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 200));
        p.drawRoundedRect(QRectF(236, 68, 16, 5), 2, 2);
        p.drawRoundedRect(QRectF(140, 90, 230, 6), 2, 2);
        p.setBrush(QColor(0xff, 0xf4, 0xb0, 255));
        p.drawEllipse(QRectF(466, 62, 16, 10));
        p.setBrush(QColor(0xa0, 0x10, 0x10, 255));
        p.drawRect(QRectF(6, 58, 8, 12));
        break;
    }
    p.restore();
    // The outline, opaque, so it stays a dark edge under any paint.
    p.setPen(QPen(QColor(0x20, 0x18, 0x20), garment == TGarment::Car ? 6 : 4.5));
    p.setBrush(Qt::NoBrush);
    p.setClipPath(shape);
    p.drawPath(shape);
    p.setClipping(false);
}

// The row of paint pots under their click areas, on a shelf.
void DrawPots(QPainter& p)
{
    const QRectF shelf(6, PotTop + PotHeight - 2, 864, 14);
    ArtKit::DrawCard(p, shelf, {.radius = 4, .drop = {0, 3}, .fill = ArtKit::Downwards(shelf, QColor(0xc8, 0x94, 0x5c),
                                                                                        QColor(0x96, 0x64, 0x34))});
    for (const TPot& pot : Pots) {
        const QRectF r(pot.left + 2, PotTop + 2, pot.width - 4, PotHeight - 4);
        // The tin, its colour band and the paint brimming at its top.
        p.setPen(QPen(Ink, 1.6));
        QLinearGradient tin(r.topLeft(), r.topRight());
        tin.setColorAt(0, QColor(0xe8, 0xec, 0xf0));
        tin.setColorAt(0.5, QColor(0xc0, 0xc6, 0xd0));
        tin.setColorAt(1, QColor(0x90, 0x98, 0xa4));
        p.setBrush(tin);
        p.drawRoundedRect(r.adjusted(0, 8, 0, 0), 5, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(pot.colour);
        p.drawRect(QRectF(r.left() + 1, r.top() + 18, r.width() - 2, 16));
        p.setPen(QPen(Ink, 1.6));
        p.drawEllipse(QRectF(r.left(), r.top() + 2, r.width(), 13));
        QPainterPath drip(QPointF(r.left() + r.width() * 0.3, r.top() + 12));
        drip.quadTo(r.left() + r.width() * 0.34, r.top() + 22, r.left() + r.width() * 0.3, r.top() + 20);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(r.left() + r.width() * 0.3, r.top() + 18), 3, 5);
    }
}

// Digit Nóra ready to be dressed: the page lays her T-shirt and skirt over her.
void DrawNora(QPainter& p)
{
    const double cx = Shirt.center().x() + 0.5;
    const double line = 2.5;
    // Legs, socks and shoes under the skirt.
    for (double x : {cx - 16, cx + 16}) {
        CastInk::Limb(p, CastInk::Segment(QPointF(x, Skirt.bottom() - 6), QPointF(x, 528)), 17, Skin, line);
        CastInk::Limb(p, CastInk::Segment(QPointF(x, 520), QPointF(x, 542)), 18, Qt::white, line);
        CastInk::Shape(p, CastInk::Ellipse(QPointF(x + (x < cx ? -6 : 6), 552), 18, 10), QColor(0xd9, 0x3f, 0x4c), line);
    }
    // Arms from the sleeves, the neck above the collar.
    CastInk::Limb(p, CastInk::Segment(QPointF(Shirt.left() + 12, Shirt.top() + 36), QPointF(Shirt.left() - 16, Shirt.top() + 128)),
                  16, Skin, line);
    CastInk::Limb(p, CastInk::Segment(QPointF(Shirt.right() - 12, Shirt.top() + 36), QPointF(Shirt.right() + 16, Shirt.top() + 128)),
                  16, Skin, line);
    CastInk::Shape(p, CastInk::Ellipse(QPointF(Shirt.left() - 17, Shirt.top() + 134), 11, 12), Skin, line);
    CastInk::Shape(p, CastInk::Ellipse(QPointF(Shirt.right() + 17, Shirt.top() + 134), 11, 12), Skin, line);
    CastInk::Limb(p, CastInk::Segment(QPointF(cx, Shirt.top() - 14), QPointF(cx, Shirt.top() + 14)), 24, Skin, line);
    TCastPose pose = TCastPose::Standing();
    pose.mouth = TCastMouth::Grin;
    pose.eyebrows = 0.4;
    PaintCastHead(p, TCastMember::Nora, pose, QRectF(cx - 74, Shirt.top() - 128, 148, 148));
}

// A big painter's palette with dabs of colour.
void DrawPalette(QPainter& p, QPointF centre)
{
    QPainterPath board = CastInk::Ellipse(centre, 110, 76);
    board = board.subtracted(CastInk::Ellipse(centre + QPointF(60, 30), 16, 13));
    CastInk::Shape(p, board, QColor(0xe8, 0xc0, 0x88), 3);
    const QColor dabs[] = {QColor(255, 5, 5), QColor(255, 188, 5), QColor(5, 255, 69), QColor(5, 129, 255),
                           QColor(206, 5, 255), QColor(255, 129, 5)};
    for (int i = 0; i < 6; ++i) {
        const double a = M_PI * (0.75 + i * 0.26);
        CastInk::Shape(p, CastInk::Ellipse(centre + QPointF(70 * std::cos(a), 44 * std::sin(a)), 16, 12), dabs[i], 2);
    }
    // A brush across it.
    CastInk::Limb(p, CastInk::Segment(centre + QPointF(-30, 70), centre + QPointF(80, -80)), 9, QColor(0x8a, 0x5a, 0x2c), 2);
    CastInk::Shape(p, CastInk::Ellipse(centre + QPointF(86, -88), 8, 14), QColor(255, 5, 5), 2);
}

void DrawChoiceTile(QPainter& p, const QRect& area, const QString& caption)
{
    ArtKit::DrawCard(p, QRectF(area).adjusted(2, 2, -2, -2),
                     {.radius = 20, .drop = {0, 4}, .fill = QColor(0xff, 0xfc, 0xf2), .edge = QPen(Accent, 3)});
    p.setFont(ArtKit::LabelFont(20));
    p.setPen(ArtKit::Palette::Heading);
    p.drawText(QRectF(area.left(), area.bottom() + 6, area.width(), 28), Qt::AlignCenter, caption);
}

} // namespace

QImage ChoiceScreen()
{
    TMouseLessonsPage page(TMouseLessonsPage::Sky);
    QPainter& p = page.painter;
    ArtKit::DrawHeading(p, QPoint(100, 70), QStringLiteral("Színezés"), 34);
    ArtKit::DrawSoftPanel(p, ChoiceText.adjusted(-20, -12, 20, 6));

    DrawChoiceTile(p, ChoiceTivadar, QStringLiteral("Autó"));
    PaintCastMember(p, TCastMember::Tivadar, TCastPose::ThumbsUp(),
                    QRectF(ChoiceTivadar.left() + 8, ChoiceTivadar.top() + 8, 100, ChoiceTivadar.height() - 16));
    {
        // Tivadar's little red sports car in front of him.
        p.save();
        p.translate(ChoiceTivadar.left() + 62, ChoiceTivadar.top() + 118);
        p.scale(0.25, 0.25);
        CastInk::Shape(p, CarBody(), QColor(255, 5, 5), 8);
        p.setBrush(QColor(0xbf, 0xe4, 0xff));
        p.drawPath(CarWindows());
        for (double x : {96.0, 400.0}) {
            p.setBrush(QColor(0x2a, 0x2a, 0x30));
            p.drawEllipse(QPointF(x, 94), 28, 28);
        }
        p.restore();
    }

    DrawChoiceTile(p, ChoiceNora, QStringLiteral("Ruha"));
    PaintCastMember(p, TCastMember::Nora, TCastPose::Waving(0.3),
                    QRectF(ChoiceNora.left() + 10, ChoiceNora.top() + 8, 110, ChoiceNora.height() - 14));
    {
        // A dress on its hanger beside her.
        p.save();
        p.translate(ChoiceNora.left() + 140, ChoiceNora.top() + 30);
        p.setPen(QPen(Ink, 3));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(42, -14, 16, 16), 0, 270 * 16);
        p.drawLine(QPointF(10, 16), QPointF(50, 2));
        p.drawLine(QPointF(90, 16), QPointF(50, 2));
        p.scale(0.8, 0.8);
        p.translate(0, 20);
        CastInk::Shape(p, ShirtShape(), QColor(206, 21, 255), 3);
        p.translate(10, 100);
        CastInk::Shape(p, SkirtShape(), QColor(5, 167, 255), 3);
        p.restore();
    }
    return page.Finish();
}

QImage DressScreen()
{
    TMouseLessonsPage page(TMouseLessonsPage::Sky);
    QPainter& p = page.painter;
    ArtKit::DrawHeading(p, QPoint(40, 70), GameTitles::ColourDress, 30);
    DrawPalette(p, QPointF(200, 330));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x40, 0x50, 45));
    p.drawEllipse(QPointF(Shirt.center().x(), 560), 70, 12);
    DrawNora(p);
    DrawPots(p);
    return page.Finish();
}

QImage CarScreen()
{
    TMouseLessonsPage page(TMouseLessonsPage::Sky);
    QPainter& p = page.painter;
    ArtKit::DrawHeading(p, QPoint(40, 70), GameTitles::ColourCar, 30);
    // The road, its kerb and a dashed middle line.
    const double road = Car.bottom() + 8;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8c, 0xc8, 0x6a));
    p.drawRect(QRectF(0, road + 70, 1024, 150));
    p.setBrush(QColor(0x6a, 0x6e, 0x78));
    p.drawRect(QRectF(0, road - 18, 1024, 88));
    p.setBrush(QColor(0xe8, 0xe8, 0xe8));
    for (int x = 10; x < 1024; x += 80)
        p.drawRect(QRectF(x, road + 34, 44, 6));
    p.setBrush(QColor(0x30, 0x30, 0x38, 70));
    p.drawEllipse(QRectF(Car.left() + 10, road - 20, Car.width() - 10, 22));

    p.save();
    p.translate(Car.topLeft());
    // Tivadar at the wheel, behind the glass.
    TCastPose pose = TCastPose::Standing();
    pose.mouth = TCastMouth::Grin;
    pose.headTurn = 0.6;
    pose.lookX = 1;
    p.save();
    p.setClipPath(CarWindows());
    p.fillRect(QRectF(160, 20, 210, 30), QColor(0xbf, 0xe4, 0xff));
    PaintCastHead(p, TCastMember::Tivadar, pose, QRectF(290, 14, 34, 34));
    p.fillRect(QRectF(160, 20, 210, 30), QColor(255, 255, 255, 60));
    p.restore();
    p.setPen(QPen(Ink, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(CarWindows());
    // The wheels show through the arches.
    for (double x : {96.0, 400.0}) {
        p.setPen(QPen(Ink, 2.5));
        p.setBrush(QColor(0x26, 0x26, 0x2c));
        p.drawEllipse(QPointF(x, 94), 29, 29);
        p.setBrush(ArtKit::Downwards(QRectF(x - 16, 78, 32, 32), QColor(0xf0, 0xf2, 0xf6), QColor(0x9a, 0xa0, 0xac)));
        p.drawEllipse(QPointF(x, 94), 15, 15);
    }
    p.restore();
    DrawPots(p);
    return page.Finish();
}

QImage Base(TGarment garment)
{
    QImage image = ArtKit::Transparent(SizeOf(garment), QImage::Format_ARGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xf4, 0xf6));
    p.drawPath(Shape(garment));
    p.end();
    // Untinted it reads as a white garment with its own shading.
    QImage shaded = image;
    QPainter s(&shaded);
    s.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    s.drawImage(0, 0, Shading(garment));
    s.end();
    return shaded;
}

QImage Shading(TGarment garment)
{
    QImage image = ArtKit::Transparent(SizeOf(garment), QImage::Format_ARGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintShading(p, garment);
    p.end();
    return image;
}

} // namespace MouseLessonsColouringArt
