#include "PanelsScreensArt.h"

#include "PanelsPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/TopicStyle.h"
#include "mediakit/PaintedPage.h"
#include "mediakit/TopicIcons.h"
#include "mediakit/cast/Cast.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace PanelsScreensArt {

namespace {

using namespace PanelsPlaces;

const QColor Accent = TopicStyle::Accent(QStringLiteral("PANELEK"));
const QColor PanelGrey(0xd4, 0xd0, 0xc8);

// A quiet light bed a little larger than a panel, so the panel stands out from the scenery.
void DrawPanelBed(QPainter& painter, QRect panel)
{
    ArtKit::DrawSoftPanel(painter, panel.adjusted(-14, -14, 14, 14), 20);
}

// A little grey window-like panel with a blue title strip, as the lessons describe panels.
void DrawSamplePanel(QPainter& painter, QRectF rect, const QString& title)
{
    ArtKit::DrawCard(painter, rect, {.radius = 4, .drop = {3, 4}, .shadow = QColor(0, 0, 0, 50), .fill = PanelGrey,
                                     .edge = QPen(QColor(0x80, 0x80, 0x80), 1.5)});
    const QRectF strip(rect.left() + 4, rect.top() + 4, rect.width() - 8, 24);
    painter.fillRect(strip, QColor(0, 0, 0xdd));
    painter.setPen(QColor(0xee, 0xee, 0xee));
    painter.setFont(ArtKit::LabelFont(15));
    painter.drawText(strip.adjusted(8, 0, -30, 0), Qt::AlignVCenter | Qt::AlignLeft, title);
    const QRectF close(strip.right() - 22, strip.top() + 3, 18, 18);
    painter.fillRect(close, PanelGrey);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(close.topLeft() + QPointF(5, 5), close.bottomRight() - QPointF(5, 5));
    painter.drawLine(close.topRight() + QPointF(-5, 5), close.bottomLeft() + QPointF(5, -5));
}

void DrawTree(QPainter& painter, QPointF foot, qreal height)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x8a, 0x5a, 0x30));
    painter.drawRect(QRectF(foot.x() - height * 0.05, foot.y() - height * 0.4, height * 0.1, height * 0.4));
    painter.setBrush(QColor(0x4a, 0xa0, 0x48));
    painter.drawEllipse(QPointF(foot.x(), foot.y() - height * 0.65), height * 0.3, height * 0.36);
    painter.setBrush(QColor(0x6a, 0xbc, 0x5a));
    painter.drawEllipse(QPointF(foot.x() - height * 0.08, foot.y() - height * 0.74), height * 0.14, height * 0.14);
    painter.restore();
}

void DrawCloud(QPainter& painter, QPointF centre, qreal size)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawEllipse(centre, size, size * 0.55);
    painter.drawEllipse(centre + QPointF(-size * 0.7, size * 0.15), size * 0.6, size * 0.4);
    painter.drawEllipse(centre + QPointF(size * 0.75, size * 0.12), size * 0.65, size * 0.42);
    painter.restore();
}

} // namespace

QImage OperatingSystemScreen()
{
    TPaintedPage page(Accent, BackArea);
    QPainter& p = page.painter;
    ArtKit::DrawHeading(p, QPoint(192, 150), QStringLiteral("Az operációs rendszer"), 40);
    DrawPanelBed(p, NyomtatPanel);

    // The computer it looks after: screen, case, keyboard and mouse, with the system's four tasks
    // as signs round it (the parts checked, programs run, commands heard, messages sent).
    const QRectF monitor(300, 430, 300, 200);
    ArtKit::DrawCard(p, monitor, {.radius = 14, .drop = {0, 5}, .shadow = QColor(0, 0, 0, 50),
                                  .fill = QColor(0x3a, 0x44, 0x56), .edge = QPen(QColor(0x22, 0x28, 0x34), 2)});
    const QRectF glass = monitor.adjusted(14, 14, -14, -14);
    p.setPen(Qt::NoPen);
    p.setBrush(ArtKit::Downwards(glass, QColor(0x7a, 0xb8, 0xf0), QColor(0x3a, 0x7a, 0xd0)));
    p.drawRoundedRect(glass, 6, 6);
    DrawSamplePanel(p, QRectF(350, 470, 200, 110), QStringLiteral("Üzenet"));
    p.setBrush(QColor(0x50, 0x5a, 0x6a));
    p.drawRect(QRectF(430, 630, 40, 26));
    p.drawRoundedRect(QRectF(380, 652, 140, 12), 5, 5);
    // The keyboard in front of it: a case with three rows of keys and a space bar.
    const QRectF keyboard(290, 676, 320, 80);
    ArtKit::DrawCard(p, keyboard, {.radius = 10, .drop = {0, 3}, .shadow = QColor(0, 0, 0, 45),
                                   .fill = QColor(0x50, 0x5a, 0x6a), .edge = QPen(QColor(0x30, 0x36, 0x40), 1.5)});
    for (int row = 0; row < 3; ++row)
        for (int key = 0; key < 13; ++key)
            ArtKit::DrawKey(p, QRect(int(keyboard.left()) + 10 + row * 6 + key * 23, int(keyboard.top()) + 8 + row * 18, 20, 16),
                            QString());
    ArtKit::DrawKey(p, QRect(int(keyboard.left()) + 90, int(keyboard.top()) + 62, 140, 13), QString());
    TopicIcons::DrawMouse(p, QRect(624, 668, 80, 90));
    // Tárolka, the machine's store, stands beside it.
    PaintCastMember(p, TCastMember::Tarolka, TCastPose::Waving(0.25), QRectF(690, 470, 150, 270));

    // Little round badges for the tasks on the left of the computer.
    const struct {
        QColor colour;
        const char* sign;
    } tasks[] = {{QColor(0x2e, 0xa0, 0x58), "✔"}, {QColor(0xe0, 0x8a, 0x1c), "▶"},
                 {QColor(0x8a, 0x56, 0xc2), "⌨"}, {QColor(0x1e, 0x64, 0xd0), "i"}};
    for (int i = 0; i < 4; ++i) {
        const QPointF c(140 + (i % 2) * 80, 470 + (i / 2) * 100);
        p.setPen(QPen(tasks[i].colour.darker(140), 2));
        p.setBrush(tasks[i].colour);
        p.drawEllipse(c, 32, 32);
        p.setPen(Qt::white);
        p.setFont(ArtKit::LabelFont(30));
        p.drawText(QRectF(c.x() - 32, c.y() - 32, 64, 64), Qt::AlignCenter, QString::fromUtf8(tasks[i].sign));
    }
    return page.Finish();
}

QImage RaceScreen()
{
    TPaintedPage page(Accent, BackArea);
    QPainter& p = page.painter;
    ArtKit::DrawHeading(p, QPoint(40, 84), QStringLiteral("Panelek"), 44);

    // A grey panel on the left, and the class board it is like on the right.
    DrawSamplePanel(p, QRectF(70, 130, 360, 250), QStringLiteral("Panel"));
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.setFont(ArtKit::LabelFont(20, false));
    p.drawText(QRectF(90, 180, 320, 180), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Téglalap alakú,\nmint a tábla,\nés szürke."));
    const QRectF board(520, 110, 440, 280);
    ArtKit::DrawCard(p, board, {.radius = 6, .drop = {0, 5}, .shadow = QColor(0, 0, 0, 55),
                                .fill = QColor(0xa8, 0x6e, 0x3c), .edge = QPen(QColor(0x6a, 0x40, 0x20), 2)});
    const QRectF slate = board.adjusted(16, 16, -16, -30);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2e, 0x5a, 0x44));
    p.drawRect(slate);
    p.setPen(QColor(0xf4, 0xf4, 0xe8));
    p.setFont(ArtKit::LabelFont(34, false));
    p.drawText(slate, Qt::AlignCenter, QStringLiteral("A + B = C"));
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(board.left() + 60, board.bottom() - 24, 36, 8), 3, 3);

    // The race lane the two runners cross, from the start line to the chequered finish.
    const QRectF lane(0, RaceStart.top() - 6, 1024, RaceStart.height() + 14);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8, 0x8a, 0x60));
    p.drawRect(lane);
    p.setPen(QPen(Qt::white, 3, Qt::DashLine));
    p.drawLine(QPointF(0, lane.center().y()), QPointF(1024, lane.center().y()));
    p.setPen(QPen(Qt::white, 4));
    p.drawLine(QPointF(0, lane.top() + 2), QPointF(1024, lane.top() + 2));
    p.drawLine(QPointF(0, lane.bottom() - 2), QPointF(1024, lane.bottom() - 2));
    p.fillRect(QRectF(RaceStart.right() + 4, lane.top(), 8, lane.height()), Qt::white);
    for (int row = 0; row < int(lane.height() / 12); ++row)
        for (int col = 0; col < 2; ++col)
            p.fillRect(QRectF(940 + col * 12, lane.top() + row * 12, 12, 12), (row + col) % 2 ? Qt::black : Qt::white);
    return page.Finish();
}

QImage TripScreen()
{
    // The sky and hills of a sunny day; the road runs along the bottom, where the car rolls and
    // the signs stand on the near verge.
    QImage image(1024, 768, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const auto clouds = [](QPainter& sky) {
        DrawCloud(sky, QPointF(140, 110), 50);
        DrawCloud(sky, QPointF(560, 80), 40);
        DrawCloud(sky, QPointF(820, 190), 34);
    };
    const QPainterPath far =
        ArtKit::Ridge({0, 520}, {{200, 420}, {380, 470}, {520, 500}, {700, 430}, {880, 440}, {1024, 490}});
    const QPainterPath near = ArtKit::Ridge({0, 600}, {{300, 560}, {600, 590}, {1024, 570}});
    ArtKit::DrawLandscape(p, {.frame = image.rect(),
                              .sky = {{0, QColor(0x9c, 0xd0, 0xf6)}, {1, QColor(0xe4, 0xf2, 0xfc)}},
                              .sun = {.centre = {900, 96}, .radius = 46, .colour = QColor(0xff, 0xe0, 0x60)},
                              .inSky = clouds,
                              .hills = {{far, QColor(0xa8, 0xd8, 0x88)}, {near, QColor(0x84, 0xc4, 0x66)}}});
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i)
        DrawTree(p, QPointF(30 + i * 160 + (i % 2) * 40, 590 - (i % 3) * 8), 80 + (i % 3) * 14);
    // The road: asphalt from the car's wheels' level down to the verge, a dashed middle line.
    const qreal roadTop = CarClip.bottom() - 52;
    const qreal roadBottom = CarClip.bottom() + 10;
    p.setBrush(QColor(0x6a, 0x6e, 0x76));
    p.drawRect(QRectF(0, roadTop, 1024, roadBottom - roadTop));
    p.setBrush(QColor(0xee, 0xee, 0xee));
    for (int x = 10; x < 1024; x += 80)
        p.drawRect(QRectF(x, (roadTop + roadBottom) / 2 - 2, 44, 5));
    p.setBrush(QColor(0xd8, 0xd0, 0xb8));
    p.drawRect(QRectF(0, roadTop - 4, 1024, 4));
    p.drawRect(QRectF(0, roadBottom, 1024, 4));
    p.end();
    return TPaintedPage(image, BackArea).Finish();
}

QImage MemoryScreen()
{
    TPaintedPage page(Accent, BackArea);
    QPainter& p = page.painter;
    ArtKit::DrawHeading(p, QPoint(40, 84), QStringLiteral("Memóriajáték"), 44);
    // The clock's plate: white with a stopwatch's crown, so the blue time reads well.
    const QRectF plate = QRectF(MemoryClock).adjusted(-14, -8, 14, 8);
    ArtKit::DrawCard(p, plate, {.radius = 16, .drop = {0, 3}, .shadow = QColor(0, 0, 0, 45), .fill = Qt::white,
                                .edge = QPen(QColor(0x4a, 0x8f, 0xd8), 3)});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4a, 0x8f, 0xd8));
    p.drawRoundedRect(QRectF(plate.center().x() - 12, plate.top() - 14, 24, 12), 4, 4);
    // The board under the cards: a green felt a little larger than the grid, clipped by the page.
    const QRectF felt = QRectF(MemoryGrid).adjusted(-12, -12, 12, 12);
    ArtKit::DrawCard(p, felt, {.radius = 16, .drop = {0, 4}, .shadow = QColor(0, 0, 0, 50),
                               .fill = ArtKit::Downwards(felt, QColor(0xc8, 0xe8, 0xc8), QColor(0xa8, 0xd4, 0xaa)),
                               .edge = QPen(QColor(0x3a, 0x8a, 0x48), 3)});
    // Nyilacska and Lemezke watching the game from the left.
    PaintCastMember(p, TCastMember::Nyilacska, TCastPose::Pointing(0), QRectF(20, 360, 150, 220));
    PaintCastMember(p, TCastMember::Odon, TCastPose::Waving(0.3), QRectF(790, 200, 200, 330));
    return page.Finish();
}

QImage BookmarkScreen()
{
    TPaintedPage page(Accent, BackArea);
    QPainter& p = page.painter;
    ArtKit::DrawHeading(p, QPoint(176, 84), QStringLiteral("Többlapos panelek"), 40);
    DrawPanelBed(p, KonyvJelzPanel);
    // An open book with coloured bookmarks hanging out of it, as the tabs of a panel do.
    const QRectF book(220, 150, 560, 340);
    const QColor marks[] = {QColor(0xe0, 0x4e, 0x68), QColor(0xf2, 0xb1, 0x34), QColor(0x3a, 0x9a, 0x48),
                            QColor(0x3f, 0x7f, 0xe0), QColor(0x8a, 0x56, 0xc2)};
    for (int i = 0; i < 5; ++i) {
        const QRectF tab(book.left() + 70 + i * 92, book.top() - 34 + (i % 2) * 10, 44, 80);
        p.setPen(QPen(marks[i].darker(140), 1.5));
        p.setBrush(marks[i]);
        p.drawRoundedRect(tab, 6, 6);
    }
    ArtKit::DrawCard(p, book, {.radius = 10, .drop = {0, 6}, .shadow = QColor(0, 0, 0, 60),
                               .fill = QColor(0x8a, 0x3a, 0x2a), .edge = QPen(QColor(0x5a, 0x22, 0x18), 2)});
    for (int side = 0; side < 2; ++side) {
        const QRectF leaf(book.left() + 12 + side * (book.width() / 2 - 6), book.top() + 10, book.width() / 2 - 18,
                          book.height() - 22);
        p.setPen(QPen(QColor(0xc8, 0xb8, 0x98), 1.5));
        p.setBrush(QColor(0xff, 0xfa, 0xec));
        p.drawRoundedRect(leaf, 6, 6);
        p.setPen(QPen(QColor(0xb8, 0xc4, 0xd8), 3, Qt::SolidLine, Qt::RoundCap));
        for (int line = 0; line < 9; ++line)
            p.drawLine(QPointF(leaf.left() + 24, leaf.top() + 36 + line * 30),
                       QPointF(leaf.right() - 24 - (line % 3) * 30, leaf.top() + 36 + line * 30));
    }
    // The green bookmark laid in the middle of the book.
    p.setPen(Qt::NoPen);
    p.setBrush(marks[2]);
    QPainterPath ribbon;
    ribbon.moveTo(book.center().x() - 10, book.top() + 6);
    ribbon.lineTo(book.center().x() + 10, book.top() + 6);
    ribbon.lineTo(book.center().x() + 10, book.bottom() + 30);
    ribbon.lineTo(book.center().x(), book.bottom() + 20);
    ribbon.lineTo(book.center().x() - 10, book.bottom() + 30);
    ribbon.closeSubpath();
    p.drawPath(ribbon);
    PaintCastMember(p, TCastMember::Nora, TCastPose::Pointing(150), QRectF(800, 220, 190, 300));
    return page.Finish();
}

QImage ExamIntroScreen()
{
    TPaintedPage page(Accent, BackArea);
    QPainter& p = page.painter;
    ArtKit::DrawHeading(p, QPoint(216, 100), QStringLiteral("Mini vizsga"), 48);
    DrawPanelBed(p, IntroPanel);
    // The exam paper with its six questions ticked, a pencil across it, and Digit Nóra beside it.
    const QRectF paper(300, 150, 320, 380);
    ArtKit::DrawCard(p, paper, {.radius = 6, .drop = {3, 6}, .shadow = QColor(0, 0, 0, 55), .fill = Qt::white,
                                .edge = QPen(QColor(0xb0, 0xb8, 0xc4), 1.5)});
    for (int i = 0; i < 6; ++i) {
        const qreal y = paper.top() + 50 + i * 54;
        p.setPen(QPen(QColor(0x4a, 0x8f, 0xd8), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(paper.left() + 28, y - 14, 26, 26));
        p.setPen(QPen(QColor(0x2e, 0xa0, 0x58), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick(QPointF(paper.left() + 32, y));
        tick.lineTo(paper.left() + 40, y + 8);
        tick.lineTo(paper.left() + 58, y - 16);
        p.drawPath(tick);
        p.setPen(QPen(QColor(0xc0, 0xc8, 0xd4), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(paper.left() + 74, y), QPointF(paper.right() - 30 - (i % 3) * 40, y));
    }
    ArtKit::DrawPencil(p, QRect(500, 420, 200, 40));
    PaintCastMember(p, TCastMember::Nora, TCastPose::Pointing(170), QRectF(680, 180, 200, 360));
    ArtKit::DrawStar(p, QPointF(240, 220), 26, QColor(0xff, 0xc8, 0x20));
    ArtKit::DrawStar(p, QPointF(900, 190), 20, QColor(0xff, 0x70, 0x90));
    return page.Finish();
}

QImage ExamScreen()
{
    TPaintedPage page(Accent, BackArea);
    QPainter& p = page.painter;
    ArtKit::DrawHeading(p, QPoint(136, 96), QStringLiteral("Mini vizsga"), 44);
    // What the six tab pages ask about, in a row above the panel.
    void (*const icons[])(QPainter&, QRect) = {TopicIcons::DrawKeyboard, TopicIcons::DrawMouse,
                                               TopicIcons::DrawButtons,  TopicIcons::DrawCheckMarks,
                                               TopicIcons::DrawListBox,  TopicIcons::DrawPanels};
    for (int i = 0; i < 6; ++i)
        icons[i](p, QRect(420 + i * 70, 120, 60, 60));
    DrawPanelBed(p, ExamPanel);
    PaintCastMember(p, TCastMember::Tivadar, TCastPose::ThumbsUp(), QRectF(806, 300, 200, 340));
    return page.Finish();
}

} // namespace PanelsScreensArt
