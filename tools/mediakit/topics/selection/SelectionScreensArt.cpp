#include "SelectionScreensArt.h"

#include "SceneArt.h"
#include "SelectionPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/TopicStyle.h"

#include <QPainter>
#include <QPainterPath>

namespace SelectionScreensArt {

namespace Places = SelectionPlaces;
using namespace ArtKit;

namespace {

const QColor Accent = TopicStyle::Accent(QStringLiteral("JELOLESEK"));
// The face of the page's own buttons: a light tint of the accent, a little deeper at the bottom.
const QColor FaceTop = QColor::fromHsv(Accent.hsvHue(), 15, 255);
const QColor FaceBottom = QColor::fromHsv(Accent.hsvHue(), 46, 244);
const QColor Outline(0x3a, 0x2e, 0x2a);

// The topic's calm page with its back button.
QImage Page(QRect back)
{
    QImage image = FestivePage(Accent);
    QPainter painter(&image);
    DrawBackButton(painter, back);
    return image;
}

void Draw(QImage& image, const std::function<void(QPainter&)>& draw)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
}

} // namespace

QImage RadioButtonScreen()
{
    QImage image = Page(Places::LessonBack);
    Draw(image, [](QPainter& p) {
        // An old radio set, its station buttons the radio buttons are named after: pressing one
        // pops the other up.
        const QRectF body(724, 470, 160, 110);
        DrawCard(p, body, {.radius = 14, .drop = {0, 4}, .fill = Downwards(body, QColor(0xc9, 0x8a, 0x56),
                                                                            QColor(0x9a, 0x62, 0x38)),
                           .edge = QPen(Outline, 2.5)});
        p.setPen(QPen(Outline, 2));
        p.setBrush(QColor(0xf3, 0xe2, 0xc0));
        p.drawRoundedRect(QRectF(740, 484, 80, 50), 6, 6);
        p.setPen(QPen(QColor(0x9a, 0x62, 0x38), 1.5));
        for (int x = 748; x < 816; x += 8)
            p.drawLine(QPointF(x, 490), QPointF(x, 528));
        p.setPen(QPen(Outline, 2));
        p.setBrush(QColor(0x4a, 0x3a, 0x2e));
        p.drawEllipse(QPointF(852, 508), 16, 16);
        for (int i = 0; i < 4; ++i) {
            const bool down = i == 1;
            p.setBrush(down ? QColor(0xe0, 0x4e, 0x4e) : QColor(0xf6, 0xf1, 0xe6));
            p.drawRoundedRect(QRectF(744 + i * 22, down ? 548 : 542, 16, down ? 14 : 20), 3, 3);
        }
        p.setPen(QPen(Outline, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(860, 470), QPointF(900, 420));
        p.setBrush(Outline);
        p.drawEllipse(QPointF(900, 420), 4, 4);
    });
    return image;
}

QImage RadioGroupScreen()
{
    return Page(Places::LessonBack);
}

QImage SceneScreen()
{
    QImage image = Page(Places::LessonBack);
    Draw(image, [](QPainter& p) {
        const QRect frame = Places::Scene;
        DrawCard(p, frame.adjusted(-6, -6, 6, 6), {.radius = 14, .drop = {0, 4}, .fill = QColor(0xff, 0xfc, 0xf2),
                                                   .edge = QPen(Accent.darker(120), 3)});
        p.drawImage(frame, SceneArt::Scene(frame.size()));
        DrawSoftPanel(p, Places::SceneText);
    });
    return image;
}

QImage QuizScreen()
{
    QImage image = Page(Places::LessonBack);
    Draw(image, [](QPainter& p) {
        DrawLabelButton(p, Places::HelpButton,
                        {.label = QStringLiteral("Súgó"), .faceTop = FaceTop,
                         .faceBottom = FaceBottom, .accent = Accent, .lettering = Accent.darker(180),
                         .sign = [](QPainter& s, const QRectF& disc) {
                             s.setPen(Qt::white);
                             s.setFont(LabelFont(int(disc.height() * 0.7)));
                             s.drawText(disc, Qt::AlignCenter, QStringLiteral("?"));
                         }});
    });
    return image;
}

QImage HelpPanel()
{
    QImage image(Places::HelpPanel.size(), QImage::Format_RGB32);
    image.fill(QColor(0xdd, 0xdd, 0xdd));
    Draw(image, [&](QPainter& p) {
        DrawPageBackdrop(p, image.rect(), Accent);
        p.setPen(QPen(Accent.darker(120), 6));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(image.rect()).adjusted(3, 3, -3, -3));
        p.drawImage(Places::HelpScene, SceneArt::Scene(Places::HelpScene.size()));
        DrawLabelButton(p, Places::HelpClose,
                        {.label = QStringLiteral("Bezár"), .faceTop = FaceTop,
                         .faceBottom = FaceBottom, .accent = Accent, .lettering = Accent.darker(180),
                         .sign = [](QPainter& s, const QRectF& disc) {
                             const QRectF x = disc.adjusted(disc.width() * 0.3, disc.height() * 0.3,
                                                            -disc.width() * 0.3, -disc.height() * 0.3);
                             s.setPen(QPen(Qt::white, disc.width() * 0.12, Qt::SolidLine, Qt::RoundCap));
                             s.drawLine(x.topLeft(), x.bottomRight());
                             s.drawLine(x.topRight(), x.bottomLeft());
                         }});
    });
    return image;
}

QImage CheckBoxScreen()
{
    return Page(Places::LessonBack);
}

QImage CheckBox2Screen()
{
    // The five things to tick, beside the clip; the wrong boxes name things that look alike
    // (a football, an apple tree, a pear), so the learner has to look.
    QImage image = Page(Places::LessonBack);
    Draw(image, [](QPainter& p) {
        for (const QRect& panel : {Places::PicturesLeft, Places::PicturesRight})
            DrawCard(p, panel, {.radius = 14, .drop = {0, 3}, .fill = QColor(0xff, 0xfc, 0xf2),
                                .edge = QPen(Accent.lighter(130), 2)});
        // A mouse on its pad.
        const QRectF pad(56, 250, 130, 96);
        p.setPen(QPen(Outline, 2));
        p.setBrush(QColor(0x3a, 0x78, 0xd8));
        p.drawRoundedRect(pad, 12, 12);
        QPainterPath cable(QPointF(121, 262));
        cable.cubicTo(121, 230, 150, 236, 150, 206);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x50, 0x50, 0x58), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(cable);
        const QRectF mouse(100, 262, 42, 66);
        p.setPen(QPen(Outline, 2));
        p.setBrush(Downwards(mouse, QColor(0xf4, 0xf4, 0xf6), QColor(0xb8, 0xba, 0xc4)));
        p.drawRoundedRect(mouse, 21, 24);
        p.drawLine(QPointF(mouse.center().x(), mouse.top()), QPointF(mouse.center().x(), mouse.top() + 24));
        p.drawLine(QPointF(mouse.left() + 2, mouse.top() + 24), QPointF(mouse.right() - 2, mouse.top() + 24));
        DrawClipArt(p, QStringLiteral("plants/flowers/flowerandpot_daniel_ste_r.svg"), QRectF(196, 196, 124, 214));
        // A camera: its body, the shutter button and flash on top, the lens in front.
        const QRectF camera(712, 218, 124, 80);
        p.setPen(QPen(Outline, 2));
        p.setBrush(QColor(0x4a, 0x4e, 0x58));
        p.drawRoundedRect(QRectF(camera.left() + 12, camera.top() - 12, 30, 14), 3, 3);
        p.setBrush(QColor(0xf4, 0xf4, 0xf0));
        p.drawRoundedRect(QRectF(camera.right() - 34, camera.top() - 9, 22, 11), 2, 2);
        p.setBrush(Downwards(camera, QColor(0x5a, 0x60, 0x6c), QColor(0x2e, 0x32, 0x3a)));
        p.drawRoundedRect(camera, 10, 10);
        p.setBrush(QColor(0x20, 0x22, 0x28));
        p.drawEllipse(camera.center(), 30, 30);
        p.setBrush(QColor(0x4a, 0x7c, 0xc8));
        p.drawEllipse(camera.center(), 19, 19);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(camera.center() + QPointF(-7, -7), 6, 5);
        // A basketball: orange with its black seams.
        const QPointF ball(910, 252);
        const double r = 48;
        p.setPen(QPen(Outline, 2.5));
        p.setBrush(QColor(0xf0, 0x84, 0x2c));
        p.drawEllipse(ball, r, r);
        p.setClipRegion(QRegion(QRect(862, 204, 97, 97), QRegion::Ellipse));
        p.setBrush(Qt::NoBrush);
        p.drawLine(ball - QPointF(r, 0), ball + QPointF(r, 0));
        p.drawLine(ball - QPointF(0, r), ball + QPointF(0, r));
        p.drawEllipse(ball - QPointF(r * 1.45, 0), r, r);
        p.drawEllipse(ball + QPointF(r * 1.45, 0), r, r);
        p.setClipping(false);
        DrawClipArt(p, QStringLiteral("food/fruit/apple.svg"), QRectF(784, 312, 110, 98));
    });
    return image;
}

QImage SpinEdit1Screen()
{
    QImage image = Page(Places::SettingBack);
    Draw(image, [](QPainter& p) {
        // A grade book open on a page of fives, below the field the learner counts them in.
        const QRectF book(540, 400, 170, 110);
        DrawCard(p, book, {.radius = 6, .drop = {0, 4}, .fill = QColor(0xfb, 0xf8, 0xee), .edge = QPen(Outline, 2)});
        p.setPen(QPen(QColor(0xb8, 0xc8, 0xe8), 1));
        for (int y = 418; y < 506; y += 16)
            p.drawLine(QPointF(548, y), QPointF(702, y));
        p.setPen(QPen(Outline, 2));
        p.drawLine(QPointF(625, 402), QPointF(625, 508));
        p.setPen(QColor(0xd2, 0x2a, 0x2a));
        p.setFont(LabelFont(20));
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 6; ++col)
                p.drawText(QPointF(552 + col * 26 + (col >= 3 ? 6 : 0), 432 + row * 16), QStringLiteral("5"));
    });
    return image;
}

QImage SpinEdit2Screen()
{
    QImage image = Page(Places::SettingBack);
    Draw(image, [](QPainter& p) {
        // The bicycle Nóra saves for, with its price tag.
        const QRectF r = Places::Bicycle;
        const double wheel = r.height() * 0.3;
        const QPointF back(r.left() + wheel + 6, r.bottom() - wheel - 4);
        const QPointF front(r.right() - wheel - 6, r.bottom() - wheel - 4);
        const QPointF pedal(r.center().x() - 10, back.y());
        const QPointF seat(r.left() + r.width() * 0.36, r.top() + r.height() * 0.34);
        const QPointF bar(r.right() - r.width() * 0.3, r.top() + r.height() * 0.26);
        p.setPen(QPen(Outline, 5));
        p.setBrush(Qt::NoBrush);
        for (QPointF c : {back, front}) {
            p.drawEllipse(c, wheel, wheel);
            p.setPen(QPen(QColor(0x9a, 0x9a, 0xa4), 1.2));
            for (int a = 0; a < 180; a += 30) {
                const QLineF spoke = QLineF::fromPolar(wheel, a).translated(c);
                p.drawLine(QLineF(spoke.p2(), c * 2 - spoke.p2()));
            }
            p.setPen(QPen(Outline, 5));
        }
        p.setPen(QPen(QColor(0xe0, 0x3a, 0x6a), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath frame(back);
        frame.lineTo(pedal);
        frame.lineTo(bar + QPointF(-6, 14));
        frame.lineTo(seat + QPointF(4, 8));
        frame.lineTo(back);
        frame.moveTo(seat + QPointF(4, 8));
        frame.lineTo(pedal);
        frame.moveTo(bar);
        frame.lineTo(front);
        p.drawPath(frame);
        p.setPen(QPen(Outline, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(seat + QPointF(-14, 0), seat + QPointF(16, 0));
        p.drawLine(bar + QPointF(-10, -2), bar + QPointF(14, -10));
        // The tag hangs from the handlebar.
        const QRectF tag(r.right() - 104, r.top() - 44, 108, 36);
        p.setPen(QPen(Outline, 1.5));
        p.drawLine(bar, tag.bottomLeft() + QPointF(14, 0));
        DrawCard(p, tag, {.radius = 6, .fill = QColor(0xff, 0xf2, 0x9a), .edge = QPen(Outline, 2)});
        p.setPen(QColor(0xb0, 0x20, 0x20));
        p.setFont(LabelFont(20));
        p.drawText(tag, Qt::AlignCenter, QStringLiteral("14560 Ft"));
    });
    return image;
}

QImage TrackBarScreen()
{
    return Page(Places::SettingBack);
}

QImage ProgressBarScreen()
{
    QImage image = Page(Places::SettingBack);
    Draw(image, [](QPainter& p) {
        // The finish line past both tracks: a chequered post and flag.
        const double x = 840;
        p.setPen(QPen(Outline, 2));
        for (int i = 0; i < 22; ++i) {
            p.setBrush(i % 2 ? Qt::white : QColor(0x2e, 0x2e, 0x34));
            p.drawRect(QRectF(x, 320 + i * 16, 12, 16));
        }
        QPainterPath flag(QPointF(x + 12, 320));
        flag.cubicTo(x + 40, 306, x + 60, 336, x + 90, 322);
        flag.lineTo(x + 90, 362);
        flag.cubicTo(x + 60, 376, x + 40, 346, x + 12, 360);
        flag.closeSubpath();
        p.setBrush(QColor(0xe0, 0x4e, 0x4e));
        p.drawPath(flag);
        p.setPen(QColor(0xff, 0xff, 0xff));
        p.setFont(LabelFont(16));
        p.drawText(QRectF(x + 14, 324, 76, 36), Qt::AlignCenter, QStringLiteral("CÉL"));
    });
    return image;
}

QImage CannonScreen()
{
    QImage image(QSize(1024, 768), QImage::Format_RGB32);
    Draw(image, [](QPainter& p) {
        // Far hills, then the meadow the cannon stands on.
        const QPainterPath far =
            Ridge({0, 610}, {{260, 540}, {520, 600}, {700, 570}, {840, 550}, {940, 580}, {1024, 560}});
        const QPainterPath meadow = Ridge({0, 646}, {{300, 636}, {700, 652}, {1024, 640}});
        DrawLandscape(p, {.frame = QRectF(0, 0, 1024, 768),
                          .sky = {{0, QColor(0x9c, 0xd0, 0xf6)}, {1, QColor(0xe6, 0xf4, 0xff)}},
                          .horizon = 640,
                          .sun = {.centre = {960, 60}, .radius = 40},
                          .hills = {{far, QColor(0xb6, 0xdc, 0xa0)},
                                    {meadow, QColor(0x8c, 0xc8, 0x70), QColor(0x7a, 0xbc, 0x5c)}}});
        // Tufts of grass on the meadow's edge.
        p.setPen(QPen(QColor(0x4e, 0x94, 0x3c), 2, Qt::SolidLine, Qt::RoundCap));
        for (int x = 260; x < 1024; x += 37)
            for (int d : {-5, 0, 5})
                p.drawLine(QPointF(x, 650), QPointF(x + d, 640));
        DrawSoftPanel(p, SelectionPlaces::ShotStrip, 12);
        DrawSoftPanel(p, SelectionPlaces::HitsLabel, 12);
    });
    return image;
}

} // namespace SelectionScreensArt
