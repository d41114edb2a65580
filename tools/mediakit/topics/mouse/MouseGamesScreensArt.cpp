#include "MouseGamesScreensArt.h"

#include "MouseGamesPicturesArt.h"
#include "MouseGamesPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/TopicStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>

namespace MouseGamesScreensArt {

namespace Places = MouseGamesPlaces;

namespace {

const QRect PageRect(0, 0, 1024, 768);

QImage Page()
{
    QImage image(PageRect.size(), QImage::Format_RGB32);
    image.fill(QColor(0xdd, 0xdd, 0xdd));
    return image;
}

// A sky from top to bottom of the page, through middle a little below half way.
QGradientStops Sky(QColor top, QColor middle, QColor bottom)
{
    return {{0, top}, {0.55, middle}, {1, bottom}};
}

// A hill's ridge across the page: a wave around height y.
QPainterPath Wave(qreal y, qreal swing, qreal phase)
{
    QPainterPath ridge(QPointF(0, y - swing * std::sin(phase) - swing * 0.4 * std::sin(2 * phase)));
    for (int x = 16; x <= 1024; x += 16)
        ridge.lineTo(x, y - swing * std::sin(x / 170.0 + phase) - swing * 0.4 * std::sin(x / 67.0 + 2 * phase));
    return ridge;
}

// A round tree standing with its foot at foot.
void Tree(QPainter& p, QPointF foot, qreal height)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8a, 0x5a, 0x30));
    p.drawRect(QRectF(foot.x() - height * 0.05, foot.y() - height * 0.45, height * 0.1, height * 0.45));
    const QPointF crown(foot.x(), foot.y() - height * 0.65);
    QRadialGradient leaves(crown - QPointF(height * 0.1, height * 0.12), height * 0.45);
    leaves.setColorAt(0, QColor(0x7c, 0xc8, 0x5a));
    leaves.setColorAt(1, QColor(0x3a, 0x8a, 0x3a));
    p.setBrush(leaves);
    p.drawEllipse(crown, height * 0.32, height * 0.36);
}

// A plain lesson page: the calm backdrop, a heading and a soft card behind where the page writes.
void LessonPage(QPainter& p, const QString& title, QPoint headingAt, QRect writing)
{
    ArtKit::DrawPageBackdrop(p, PageRect, TopicStyle::Accent(QStringLiteral("EGEREZES")));
    ArtKit::DrawHeading(p, headingAt, title);
    ArtKit::DrawSoftPanel(p, writing.adjusted(-14, -10, 14, 10));
}

// A soft frame for a clip that plays over the page grey, a little larger than the clip.
void ClipFrame(QPainter& p, QRect clip)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(clip).adjusted(-10, -10, 10, 10);
    ArtKit::DrawCard(p, frame, {.radius = 18, .drop = {0, 3}, .shadow = QColor(0, 0, 0, 30),
                                .fill = QColor(0xdd, 0xdd, 0xdd), .edge = QPen(QColor(0xa8, 0xb8, 0xcc), 2)});
    p.restore();
}

} // namespace

QImage ButterflyScreen()
{
    QImage image = Page();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The sun below the last cloud, right of the panel.
    ArtKit::DrawLandscape(p, {.frame = PageRect,
                              .sky = Sky(QColor(0x6c, 0xb4, 0xee), QColor(0xb8, 0xe0, 0xfa), QColor(0xe8, 0xf6, 0xe0)),
                              .sun = {.centre = {968, 168}, .radius = 34, .colour = QColor(0xff, 0xd8, 0x3a), .glow = 90,
                                      .light = {{0, QColor(0xff, 0xf4, 0xa0, 200)}, {1, QColor(0xff, 0xf4, 0xa0, 0)}}},
                              .hills = {{Wave(560, 22, 0.4), QColor(0xa8, 0xd8, 0x8a), QColor(0x86, 0xc0, 0x6a)},
                                        {Wave(620, 26, 2.1), QColor(0x84, 0xc8, 0x5c), QColor(0x5e, 0xa8, 0x44)}}});
    for (const auto& [x, y, h] : {std::tuple{60.0, 640.0, 150.0}, {150.0, 660.0, 110.0}, {930.0, 650.0, 160.0},
                                  {850.0, 668.0, 100.0}})
        Tree(p, QPointF(x, y), h);
    // Flowers in the meadow below the hills.
    QRandomGenerator random(44);
    for (int i = 0; i < 40; ++i) {
        const QPointF c(random.bounded(1024), 650 + random.bounded(110));
        p.setBrush(i % 3 == 0 ? QColor(0xff, 0xff, 0xff) : i % 3 == 1 ? QColor(0xff, 0xd0, 0x40) : QColor(0xf0, 0x70, 0xa0));
        for (int k = 0; k < 5; ++k)
            p.drawEllipse(c + QPointF(4 * std::cos(k * 1.2566), 4 * std::sin(k * 1.2566)), 3, 3);
    }
    return image;
}

QImage RightClickScreen()
{
    QImage image = Page();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    LessonPage(p, QStringLiteral("A jobb egérgomb"), QPoint(200, 120), Places::RightClickWriting);
    ClipFrame(p, Places::RightClickClip);
    // The mouse pad, then the mouse on it, exactly under imgMouse.
    const QRectF pad = QRectF(Places::RightClickMouse).adjusted(-26, 30, 26, 14);
    ArtKit::DrawCard(p, pad, {.radius = 24, .drop = {0, 4}, .shadow = QColor(0, 0, 0, 50),
                              .fill = ArtKit::Downwards(pad, QColor(0x4a, 0x7c, 0xc8), QColor(0x2c, 0x54, 0x9a)),
                              .edge = QPen(QColor(0x1c, 0x3a, 0x70), 2)});
    MouseGamesPicturesArt::DrawComputerMouse(p, Places::RightClickMouse, MouseGamesPicturesArt::TMouseButton::Right);
    // A hint from the clip over to the mouse.
    ArtKit::DrawHintArrow(p, QPointF(420, 520), QPointF(470, 470), QPointF(538, 492), QColor(0xe8, 0x2c, 0x2c));
    return image;
}

QImage HuntScreen()
{
    QImage image = Page();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    ArtKit::DrawLandscape(
        p, {.frame = PageRect, .sky = Sky(QColor(0xff, 0xd8, 0xa8), QColor(0xff, 0xc8, 0x92), QColor(0xf6, 0xb0, 0x7c))});
    // Soft round spots of colour, like a painted playroom wall; none of them white.
    QRandomGenerator random(7);
    const QColor tints[] = {QColor(0xff, 0xa0, 0x70), QColor(0xf8, 0xd0, 0x60), QColor(0xe8, 0x90, 0xa8),
                            QColor(0xc8, 0xa8, 0xf0)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 26; ++i) {
        QColor c = tints[i % 4];
        c.setAlpha(70);
        p.setBrush(c);
        const qreal r = 30 + random.bounded(70);
        p.drawEllipse(QPointF(random.bounded(1024), random.bounded(768)), r, r);
    }
    return image;
}

QImage DoubleClickScreen()
{
    QImage image = Page();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    LessonPage(p, QStringLiteral("Duplakattintás"), QPoint(140, 62), Places::DoubleClickWriting);
    ClipFrame(p, Places::DoubleClickDemo);
    const char* names[] = {"Lemezke", "Tárolka", "Nyilacska"};
    for (int i = 0; i < 3; ++i) {
        const QRectF clip(Places::GuideClipLeft[i], Places::GuideClipTop, Places::Clip.width(), Places::Clip.height());
        // A stage spot under the guide's feet, and its name on a plate below.
        QRadialGradient spot(QPointF(clip.center().x(), clip.bottom() - 6), clip.width() * 0.45);
        spot.setColorAt(0, QColor(0xff, 0xf0, 0xa0, 200));
        spot.setColorAt(1, QColor(0xff, 0xf0, 0xa0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(spot);
        p.drawEllipse(QPointF(clip.center().x(), clip.bottom() - 6), clip.width() * 0.45, 20);
        const QRectF plate(clip.center().x() - 80, clip.bottom() + 10, 160, 36);
        ArtKit::DrawCard(p, plate, {.radius = 10, .fill = QColor(0xff, 0xfc, 0xf2), .edge = QPen(QColor(0xa8, 0xb8, 0xcc), 1.5)});
        p.setPen(ArtKit::Palette::Heading);
        p.setFont(ArtKit::LabelFont(20));
        p.drawText(plate, Qt::AlignCenter, QString::fromUtf8(names[i]));
    }
    return image;
}

QImage BalloonScreen()
{
    QImage image = Page();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const auto streaks = [](QPainter& sky) {
        // Faint streaks of cloud in the glow.
        sky.setBrush(QColor(255, 255, 255, 60));
        for (const auto& [x, y, w] : {std::tuple{120.0, 470.0, 260.0}, {640.0, 430.0, 320.0}, {380.0, 540.0, 220.0}})
            sky.drawRoundedRect(QRectF(x, y, w, 18), 9, 9);
    };
    ArtKit::DrawLandscape(p, {.frame = PageRect,
                              .sky = Sky(QColor(0x2e, 0x6c, 0xc8), QColor(0x8c, 0xc0, 0xee), QColor(0xfc, 0xdc, 0xb0)),
                              .inSky = streaks,
                              .hills = {{Wave(640, 18, 1.2), QColor(0x6a, 0x7a, 0xa8), QColor(0x5a, 0x6a, 0x96)},
                                        {Wave(680, 14, 3.0), QColor(0x4e, 0x86, 0x5a), QColor(0x3e, 0x72, 0x48)}}});
    return image;
}

QImage BasketballScreen()
{
    QImage image = Page();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The hall's wall with a painted band, and the wooden floor.
    p.fillRect(QRect(0, 0, 1024, 600), ArtKit::Downwards(QRectF(0, 0, 1024, 600), QColor(0xe6, 0xee, 0xf6), QColor(0xc8, 0xd6, 0xe6)));
    p.fillRect(QRect(0, 470, 1024, 26), QColor(0x3a, 0x6c, 0xc0));
    p.fillRect(QRect(0, 496, 1024, 8), QColor(0xf0, 0x8a, 0x1c));
    const QRectF floor(0, 600, 1024, 168);
    p.fillRect(floor, ArtKit::Downwards(floor, QColor(0xe0, 0xa8, 0x62), QColor(0xc0, 0x80, 0x40)));
    p.setPen(QPen(QColor(0xa8, 0x6c, 0x34), 1.5));
    for (int y = 612; y < 768; y += 22)
        p.drawLine(0, y, 1024, y);
    p.setPen(QPen(QColor(255, 255, 255, 200), 5));
    p.drawLine(0, 640, 1024, 640);

    // The backboard on its pole: the pole behind, the board, the target square on the hoop's
    // rectangle, the ring along its bottom edge and the net hanging below.
    const QRectF hoop = QRectF(Places::Hoop);
    p.setPen(QPen(QColor(0x4a, 0x50, 0x5c), 2));
    p.setBrush(ArtKit::Downwards(QRectF(508, 400, 30, 200), QColor(0x9a, 0xa4, 0xb4), QColor(0x6a, 0x74, 0x84)));
    p.drawRect(QRectF(508, 400, 30, 215));
    const QRectF board = hoop.adjusted(-50, -108, 50, 34);
    ArtKit::DrawCard(p, board, {.radius = 10, .drop = {0, 5}, .shadow = QColor(0, 0, 0, 50), .fill = QColor(0xfc, 0xfd, 0xff),
                                .edge = QPen(QColor(0xd0, 0x2c, 0x2c), 7)});
    p.setPen(QPen(QColor(0xd0, 0x2c, 0x2c), 5));
    p.setBrush(QColor(0xf2, 0xf6, 0xfc));
    p.drawRect(hoop.adjusted(2.5, 2.5, -2.5, -2.5));
    const QPointF ringCentre(hoop.center().x(), hoop.bottom());
    const qreal ringHalf = hoop.width() / 2;
    QPainterPath net;
    const int strands = 9;
    for (int i = 0; i <= strands; ++i) {
        const qreal t = qreal(i) / strands;
        net.moveTo(hoop.left() + t * hoop.width(), ringCentre.y() + 4);
        net.lineTo(ringCentre.x() - ringHalf * 0.7 + t * ringHalf * 1.4, ringCentre.y() + 84);
    }
    for (int k = 1; k <= 3; ++k) {
        const qreal y = ringCentre.y() + 4 + k * 20;
        const qreal half = ringHalf * (1 - 0.3 * k * 20 / 80.0);
        net.moveTo(ringCentre.x() - half, y);
        net.quadTo(ringCentre.x(), y + 8, ringCentre.x() + half, y);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xf8, 0xf8, 0xf8), 2.5));
    p.drawPath(net);
    p.setPen(QPen(QColor(0x9a, 0x9a, 0x9a), 1));
    p.drawPath(net);
    p.setPen(QPen(QColor(0xe8, 0x60, 0x10), 7));
    p.drawEllipse(ringCentre, ringHalf - 3, 8);
    return image;
}

} // namespace MouseGamesScreensArt
