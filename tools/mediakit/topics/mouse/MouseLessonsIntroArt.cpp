#include "MouseLessonsIntroArt.h"

#include "MouseLessonsPage.h"
#include "mediakit/ArtKit.h"
#include "mediakit/cast/Cast.h"

#include <QPainter>

namespace MouseLessonsIntroArt {

namespace {

using namespace MouseLessonsPlaces;
using namespace MouseLessonsDevicesArt;


const QColor Accent = TMouseLessonsPage::Accent();

} // namespace

QImage MiceScreen()
{
    TMouseLessonsPage page(TMouseLessonsPage::Lesson, Back);
    QPainter& p = page.painter;
    ArtKit::DrawHeading(p, QPoint(50, 118), QStringLiteral("Egerek"));
    ArtKit::DrawSoftPanel(p, RealMiceText.adjusted(-16, -12, 16, 8));
    ArtKit::DrawSoftPanel(p, ComputerMiceText.adjusted(-16, -12, 16, 8));
    // A wavy line parts the two kinds of mice.
    p.setPen(QPen(Accent.lighter(130), 4, Qt::DashLine, Qt::RoundCap));
    p.drawLine(QPointF(402, 200), QPointF(402, 700));

    // A mother mouse and two little ones on a patch of grass, the cheese they like.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8c, 0xc8, 0x6a));
    p.drawEllipse(QRectF(RealMice.left(), RealMice.bottom() - 50, RealMice.width(), 80));
    DrawFieldMouse(p, QRectF(RealMice.left() + 20, RealMice.top() + 30, 170, 130));
    DrawFieldMouse(p, QRectF(RealMice.left() + 190, RealMice.top() + 80, 90, 70), true, QColor(0xb0, 0x9c, 0x88));
    DrawFieldMouse(p, QRectF(RealMice.left() + 150, RealMice.top() + 120, 70, 55), false, QColor(0x8a, 0x86, 0x86));
    QPainterPath cheese(QPointF(RealMice.left() + 232, RealMice.top() + 40));
    cheese.lineTo(RealMice.left() + 296, RealMice.top() + 62);
    cheese.lineTo(RealMice.left() + 296, RealMice.top() + 88);
    cheese.lineTo(RealMice.left() + 232, RealMice.top() + 72);
    cheese.closeSubpath();
    p.setPen(QPen(QColor(0xb0, 0x80, 0x10), 2));
    p.setBrush(QColor(0xff, 0xd2, 0x3c));
    p.drawPath(cheese);

    // Three computer mice on a desk: white with a cable, dark, and a wireless one.
    const QRectF desk(ComputerMice.left(), ComputerMice.bottom() - 34, ComputerMice.width(), 40);
    ArtKit::DrawCard(p, desk, {.radius = 8, .fill = ArtKit::Downwards(desk, QColor(0xd8, 0xa8, 0x78), QColor(0xb0, 0x7a, 0x48))});
    DrawComputerMouse(p, QRectF(ComputerMice.left() + 20, ComputerMice.top(), 96, 150));
    DrawComputerMouse(p, QRectF(ComputerMice.left() + 150, ComputerMice.top() + 10, 90, 140),
                      {.shell = QColor(0x50, 0x58, 0x68)});
    DrawComputerMouse(p, QRectF(ComputerMice.left() + 280, ComputerMice.top() + 40, 80, 110),
                      {.shell = QColor(0x9c, 0xd0, 0xff), .cable = false});
    DrawWaves(p, QPointF(ComputerMice.left() + 320, ComputerMice.top() + 36), 30, QColor(0x4a, 0x8f, 0xd8));

    ArtKit::DrawSoftPanel(p, EnterLabel.adjusted(-2, -2, 2, 2), 10);
    ArtKit::DrawEnterKey(p, EnterKey);
    return page.Finish();
}

QImage KindsScreen()
{
    TMouseLessonsPage page(TMouseLessonsPage::Lesson, BackLower);
    QPainter& p = page.painter;
    ArtKit::DrawHeading(p, QPoint(100, 118), QStringLiteral("Milyen az egér?"));
    ArtKit::DrawSoftPanel(p, KindsText.adjusted(-16, -12, 16, 8));
    // A mouse from above between its two undersides: the ball and the red light.
    const double top = 476;
    const auto caption = [&](double centreX, const QString& text) {
        const QFont font = ArtKit::LabelFont(20);
        p.setFont(font);
        const double width = QFontMetricsF(font).horizontalAdvance(text);
        ArtKit::DrawSoftPanel(p, QRect(int(centreX - width / 2 - 12), int(top + 196), int(width + 24), 36), 10);
        p.setPen(ArtKit::Palette::Heading);
        p.drawText(QPointF(centreX - width / 2, top + 221), text);
    };
    DrawComputerMouse(p, QRectF(150, top, 120, 190));
    caption(210, QStringLiteral("Felülről"));
    DrawMouseUnderside(p, QRectF(400, top + 26, 110, 164), false);
    caption(455, QStringLiteral("Golyós egér"));
    DrawMouseUnderside(p, QRectF(640, top + 26, 110, 164), true);
    caption(695, QStringLiteral("Optikai egér"));
    ArtKit::DrawHintArrow(p, QPointF(285, top + 90), QPointF(330, top + 40), QPointF(385, top + 90), Accent);

    ArtKit::DrawSoftPanel(p, BackspaceLabel.adjusted(-2, -2, 2, 2), 10);
    ArtKit::DrawBackspaceKey(p, BackspaceKey);
    return page.Finish();
}

QImage CursorScreen()
{
    TMouseLessonsPage page(TMouseLessonsPage::Lesson, BackLower);
    QPainter& p = page.painter;
    ArtKit::DrawHeading(p, QPoint(70, 118), QStringLiteral("Az egérkurzor"));
    DrawArrowPointer(p, QPointF(400, 62), 64);
    ArtKit::DrawSoftPanel(p, CursorText.adjusted(-16, -12, 16, 8));
    const QString names[] = {QStringLiteral("nyíl"), QStringLiteral("homokóra"), QStringLiteral("mozgatás"),
                             QStringLiteral("átméretezés"), QStringLiteral("tilos")};
    for (int i = 0; i < int(CursorAreas.size()); ++i) {
        const QRectF tile = QRectF(CursorAreas[i].area).adjusted(6, 6, -6, -6);
        ArtKit::DrawCard(p, tile, {.radius = 16, .drop = {0, 3}, .fill = QColor(0xfd, 0xfb, 0xf4),
                                   .edge = QPen(Accent, 2.5)});
        DrawCursor(p, CursorAreas[i].shape, tile.adjusted(8, 8, -8, -8));
        const QFont font = ArtKit::LabelFont(17);
        p.setFont(font);
        p.setPen(ArtKit::Palette::Heading);
        const double width = QFontMetricsF(font).horizontalAdvance(names[i]);
        p.drawText(QPointF(tile.center().x() - width / 2, tile.bottom() + 24), names[i]);
    }
    ArtKit::DrawSoftPanel(p, EscapeLabel.adjusted(-2, -2, 2, 2), 10);
    ArtKit::DrawKey(p, EscapeKey, QStringLiteral("Esc"));
    return page.Finish();
}

QImage ClickScreen()
{
    TMouseLessonsPage page(TMouseLessonsPage::Lesson, Back);
    QPainter& p = page.painter;
    ArtKit::DrawHeading(p, QPoint(100, 118), QStringLiteral("Kattintás"));
    DrawComputerMouse(p, QRectF(360, 40, 64, 100), {.pressed = true});
    ArtKit::DrawSoftPanel(p, ClickInfoText.adjusted(-16, -12, 16, 8));
    page.DrawClipStage(ClickClip);
    // The hands are composed over this band: keep it plain and light.
    ArtKit::DrawSoftPanel(p, QRect(60, 550, 760, 188), 22);
    return page.Finish();
}

QImage HeadsScreen()
{
    TMouseLessonsPage page(TMouseLessonsPage::Lesson, Back);
    QPainter& p = page.painter;
    ArtKit::DrawHeading(p, QPoint(100, 104), QStringLiteral("Kattints a fejekre!"));
    PaintCastMember(p, TCastMember::Nora, TCastPose::Waving(0.25), QRectF(860, 150, 140, 300));
    ArtKit::DrawSoftPanel(p, HeadsText.adjusted(-16, -12, 16, 8));
    page.DrawClipStage(HeadsClip);
    ArtKit::DrawSoftPanel(p, HeadsRow, 20);
    return page.Finish();
}

QImage HandPicture(THold hold)
{
    const QSize size = hold == THold::Right ? RightHand.size() : hold == THold::Left ? LeftHand.size() : WrongHold.size();
    const int band = hold == THold::Wrong ? WrongCaptionBand : CaptionBand;
    QImage image = ArtKit::Transparent(size, QImage::Format_ARGB32);
    QPainter p(&image);
    DrawHandOnMouse(p, QRectF(4, 2, size.width() - 8, size.height() - band - 4), hold);
    p.end();
    return image;
}

QImage NoraHead()
{
    QImage image = ArtKit::Transparent(HeadPicture, QImage::Format_ARGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    TCastPose pose = TCastPose::Standing();
    pose.mouth = TCastMouth::Grin;
    PaintCastHead(p, TCastMember::Nora, pose, QRectF(QPointF(1, 1), QSizeF(HeadPicture) - QSizeF(2, 2)));
    p.end();
    return image;
}

} // namespace MouseLessonsIntroArt
