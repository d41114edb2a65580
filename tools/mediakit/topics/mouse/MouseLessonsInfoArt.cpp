#include "MouseLessonsInfoArt.h"

#include "MouseLessonsDevicesArt.h"
#include "MouseLessonsPage.h"
#include "mediakit/ArtKit.h"
#include "mediakit/cast/CastInk.h"

#include <QPainterPath>
#include <cmath>

namespace MouseLessonsInfoArt {

namespace {

using namespace MouseLessonsPlaces;
using namespace MouseLessonsDevicesArt;

const QColor Ink = ArtKit::Palette::Ink;
// The face of the chooser's title signs, a sunny yellow nothing else on the page uses.
const QColor SignTop(0xff, 0xe4, 0x5c);
const QColor SignBottom(0xff, 0xc4, 0x1c);

void DrawSoap(QPainter& p, QPointF centre)
{
    CastInk::Shape(p, QPainterPath(ArtKit::RoundedRect(QRectF(centre.x() - 60, centre.y() - 26, 120, 52), 22)),
                   QColor(0xff, 0xb8, 0xd8), 3);
    p.setFont(ArtKit::LabelFont(18));
    p.setPen(QColor(0xc0, 0x40, 0x80));
    p.drawText(QRectF(centre.x() - 60, centre.y() - 26, 120, 52), Qt::AlignCenter, QStringLiteral("SZAPPAN"));
    p.setPen(QPen(QColor(0x7a, 0xb8, 0xf0), 2));
    p.setBrush(QColor(255, 255, 255, 150));
    const QPointF bubbles[] = {{-50, -50}, {-20, -70}, {16, -58}, {44, -86}, {-60, -96}, {70, -50}};
    const double sizes[] = {14, 10, 16, 9, 8, 12};
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(centre + bubbles[i], sizes[i], sizes[i]);
}

void DrawButterfly(QPainter& p, QPointF c, double s)
{
    const QColor wings[] = {QColor(0xc0, 0x4a, 0xe0), QColor(0xff, 0x8a, 0x3c)};
    for (int side : {-1, 1}) {
        CastInk::Shape(p, CastInk::Ellipse(c + QPointF(side * s * 0.55, -s * 0.35), s * 0.55, s * 0.45), wings[0], 2);
        CastInk::Shape(p, CastInk::Ellipse(c + QPointF(side * s * 0.45, s * 0.35), s * 0.38, s * 0.32), wings[1], 2);
    }
    CastInk::Limb(p, CastInk::Segment(c + QPointF(0, -s * 0.6), c + QPointF(0, s * 0.6)), s * 0.18, Ink, 0);
}

void DrawBalloon(QPainter& p, QPointF c, double s, QColor colour)
{
    p.setPen(QPen(Ink, 1.5));
    p.drawLine(c + QPointF(0, s * 0.6), c + QPointF(s * 0.1, s * 1.4));
    CastInk::Shape(p, CastInk::Ellipse(c, s * 0.45, s * 0.6), colour, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(c + QPointF(-s * 0.18, -s * 0.25), s * 0.1, s * 0.16);
}

void DrawBasketball(QPainter& p, QPointF c, double r)
{
    CastInk::Shape(p, CastInk::Ellipse(c, r, r), QColor(0xf0, 0x7a, 0x1c), 2.5);
    p.setPen(QPen(Ink, 2));
    p.setBrush(Qt::NoBrush);
    p.drawLine(c - QPointF(r, 0), c + QPointF(r, 0));
    p.drawLine(c - QPointF(0, r), c + QPointF(0, r));
    p.drawArc(QRectF(c.x() - r * 1.6, c.y() - r, r * 1.2, r * 2), -60 * 16, 120 * 16);
    p.drawArc(QRectF(c.x() + r * 0.4, c.y() - r, r * 1.2, r * 2), 120 * 16, 120 * 16);
}

// The title's letters at the largest size whose ink fits the box, centred in it. Measured by the
// ink, not the advance, so a wide last letter cannot reach past the box.
QPainterPath FittedLettering(const QString& title, const QRectF& box, int maxPixelSize)
{
    QPainterPath letters;
    for (int size = maxPixelSize; size >= 8; --size) {
        letters = QPainterPath();
        letters.addText(0, 0, ArtKit::LabelFont(size), title);
        const QRectF ink = letters.boundingRect();
        if (ink.width() <= box.width() && ink.height() <= box.height())
            break;
    }
    return letters.translated(box.center() - letters.boundingRect().center());
}

// A title sign filling its area: the yellow face with the game's picture at the left and its
// name beside it, the lettering kept TitleMargin inside the rim so no title touches it.
void DrawTitle(QPainter& p, const QRect& area, const QString& title, const std::function<void(QPainter&, QRectF)>& icon)
{
    constexpr qreal TitleMargin = 16;
    const QRectF r = QRectF(area).adjusted(1, 1, -1, -3);
    ArtKit::DrawCard(p, r, {.radius = 18, .drop = {0, 3}, .fill = ArtKit::Downwards(r, SignTop, SignBottom),
                            .edge = QPen(QColor(0xb8, 0x6a, 0x10), 3)});
    const QRectF iconBox(r.left() + 8, r.top() + 6, r.height() - 12, r.height() - 12);
    p.save();
    icon(p, iconBox);
    p.restore();
    const QRectF text = QRectF(QPointF(iconBox.right() + TitleMargin, r.top()), r.bottomRight())
                            .adjusted(0, TitleMargin, -TitleMargin, -TitleMargin);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(FittedLettering(title, text, int(r.height() * 0.42)), QColor(0x8a, 0x3a, 0x08));
    p.restore();
}

} // namespace

QImage RulesScreen()
{
    TMouseLessonsPage page(TMouseLessonsPage::Sky);
    QPainter& p = page.painter;
    ArtKit::DrawSoftPanel(p, RulesText.adjusted(-20, -14, 20, 8));
    DrawMousePad(p, MousePad);
    DrawSoap(p, QPointF(150, 560));
    // A ball mouse turned over, its ball shining clean.
    DrawMouseUnderside(p, QRectF(760, 430, 90, 140), false);
    ArtKit::DrawStar(p, QPointF(850, 430), 12, QColor(0xf2, 0xb1, 0x34));
    ArtKit::DrawStar(p, QPointF(744, 584), 9, QColor(0xf2, 0xb1, 0x34));
    return page.Finish();
}

QImage KindsOfMiceScreen()
{
    TMouseLessonsPage page(TMouseLessonsPage::Sky);
    QPainter& p = page.painter;
    ArtKit::DrawHeading(p, QPoint(100, 96), QStringLiteral("Különleges egerek"), 34);
    ArtKit::DrawSoftPanel(p, KindsOfMiceText.adjusted(-20, -14, 20, 8));
    DrawLaptop(p, QRectF(60, 440, 260, 190));
    DrawComputerMouse(p, QRectF(390, 480, 96, 140), {.shell = QColor(0x9c, 0xd0, 0xff), .cable = false});
    DrawWaves(p, QPointF(438, 470), 36, QColor(0x2c, 0x8a, 0xd8));
    DrawTrackball(p, Trackball);
    return page.Finish();
}

QImage ChooserScreen()
{
    TMouseLessonsPage page(TMouseLessonsPage::Sky);
    QPainter& p = page.painter;
    ArtKit::DrawHeading(p, QPoint(75, 70), QStringLiteral("Játékok"), 34);
    ArtKit::DrawSoftPanel(p, ChooserText.adjusted(-20, -14, 20, 8));
    DrawTitle(p, ButterflyTitle, QStringLiteral("Lepkevadászat"),
              [](QPainter& q, QRectF b) { DrawButterfly(q, b.center(), b.width() * 0.42); });
    DrawTitle(p, BalloonTitle, QStringLiteral("Lufilövöldözés"), [](QPainter& q, QRectF b) {
        DrawBalloon(q, b.center() + QPointF(-b.width() * 0.16, -b.height() * 0.12), b.width() * 0.5, QColor(0xe8, 0x30, 0x40));
        DrawBalloon(q, b.center() + QPointF(b.width() * 0.2, -b.height() * 0.02), b.width() * 0.44, QColor(0x30, 0x90, 0xe8));
    });
    DrawTitle(p, MouseHuntTitle, QStringLiteral("Jobbra vagy balra"), [](QPainter& q, QRectF b) {
        DrawComputerMouse(q, b.adjusted(b.width() * 0.22, 0, -b.width() * 0.22, 0), {.pressed = true});
    });
    DrawTitle(p, BasketTitle, QStringLiteral("Kosárlabda"),
              [](QPainter& q, QRectF b) { DrawBasketball(q, b.center(), b.width() * 0.42); });
    return page.Finish();
}

} // namespace MouseLessonsInfoArt
