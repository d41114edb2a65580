#include "SummaryPicturesArt.h"

#include "SummaryPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/cast/CastPictures.h"
#include "mediakit/topics/programs/ProgramsIconsArt.h"

#include <QPainter>
#include <QPainterPath>
#include <initializer_list>

namespace SummaryPicturesArt {

namespace {

namespace Places = SummaryPlaces;
using ArtKit::Downwards;

const QColor Wood(0xc0, 0x7c, 0x44);
const QColor WoodDark(0x6e, 0x40, 0x1e);
const QColor Slate(0x2e, 0x5e, 0x48);
const QColor SlateLow(0x24, 0x4c, 0x3a);
const QColor Chalk(0xf6, 0xf6, 0xee, 220);

// A wooden bar from one point to another, width wide, lit along its left side.
void DrawBar(QPainter& p, QPointF from, QPointF to, qreal width, QColor colour)
{
    p.setPen(QPen(WoodDark, width + 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    p.setPen(QPen(colour.lighter(125), width * 0.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from - QPointF(width * 0.22, 0), to - QPointF(width * 0.22, 0));
}

void ChalkPen(QPainter& p, qreal width)
{
    p.setPen(QPen(Chalk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

// The lesson on the board: a message panel drawn in chalk, with its title bar, an information
// sign, lines of text and its Ok button.
void DrawChalkPanel(QPainter& p, const QRectF& panel)
{
    ChalkPen(p, 2.6);
    p.drawRoundedRect(panel, 4, 4);
    p.drawLine(QPointF(panel.left(), panel.top() + 24), QPointF(panel.right(), panel.top() + 24));
    // The close cross in the title bar, and a scribble for the title.
    const QPointF cross(panel.right() - 14, panel.top() + 12);
    p.drawLine(cross + QPointF(-5, -5), cross + QPointF(5, 5));
    p.drawLine(cross + QPointF(-5, 5), cross + QPointF(5, -5));
    ChalkPen(p, 2);
    QPainterPath title(QPointF(panel.left() + 10, panel.top() + 13));
    for (int k = 0; k < 5; ++k)
        title.quadTo(panel.left() + 14 + k * 10, panel.top() + (k % 2 ? 18 : 8), panel.left() + 19 + k * 10,
                     panel.top() + 13);
    p.drawPath(title);

    // The round "i" sign on the left.
    const QPointF sign(panel.left() + 30, panel.top() + 58);
    ChalkPen(p, 2.6);
    p.drawEllipse(sign, 15, 15);
    p.setPen(Qt::NoPen);
    p.setBrush(Chalk);
    p.drawEllipse(sign + QPointF(0, -7), 2.4, 2.4);
    ChalkPen(p, 3.2);
    p.drawLine(sign + QPointF(0, -1), sign + QPointF(0, 9));

    // Three lines of writing beside it.
    ChalkPen(p, 2);
    const qreal ends[] = {panel.right() - 14, panel.right() - 24, panel.right() - 50};
    for (int line = 0; line < 3; ++line) {
        const qreal y = panel.top() + 44 + line * 14;
        QPainterPath writing(QPointF(panel.left() + 58, y));
        for (qreal x = panel.left() + 58; x + 8 < ends[line]; x += 8)
            writing.quadTo(x + 4, y + ((int(x) / 8) % 2 ? 4 : -4), x + 8, y);
        p.drawPath(writing);
    }

    // The Ok button at the bottom.
    const QRectF ok(panel.center().x() - 28, panel.bottom() - 32, 56, 22);
    ChalkPen(p, 2.4);
    p.drawRoundedRect(ok, 3, 3);
    p.setFont(ArtKit::LabelFont(15));
    p.setPen(Chalk);
    p.drawText(ok, Qt::AlignCenter, QStringLiteral("Ok"));
}

// A pixel map: each character one pixel in the colour its letter stands for ('.' see-through).
QImage PixelMap(std::initializer_list<const char*> rows, std::initializer_list<std::pair<char, QColor>> colours)
{
    QImage image = ArtKit::Transparent(Places::Icon, QImage::Format_ARGB32);
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; row[x] != '\0'; ++x)
            for (const auto& [letter, colour] : colours)
                if (row[x] == letter)
                    image.setPixelColor(x, y, colour);
        ++y;
    }
    return image;
}

} // namespace

QImage Portrait(TCastMember who)
{
    // Tivadar and Nóra flank the matching game: he cheers it on, she points up at its task.
    TCastPose pose = TCastPose::Waving(0.25);
    pose.mouth = TCastMouth::Grin;
    if (who == TCastMember::Tivadar)
        pose = TCastPose::ThumbsUp();
    else if (who == TCastMember::Nora)
        pose = TCastPose::Pointing(120);
    return CastPictures::FramedPortrait(who, pose);
}

QImage Board()
{
    QImage image = ArtKit::Transparent(Places::BoardPicture);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The easel: the back leg first, then the two front legs splaying out, a bar between them.
    DrawBar(p, QPointF(142, 16), QPointF(142, 326), 9, Wood.darker(125));
    DrawBar(p, QPointF(96, 14), QPointF(34, 334), 11, Wood);
    DrawBar(p, QPointF(188, 14), QPointF(250, 334), 11, Wood);
    DrawBar(p, QPointF(50, 276), QPointF(234, 276), 8, Wood);
    p.setPen(QPen(WoodDark, 1.5));
    p.setBrush(QColor(0x9a, 0x9a, 0xa4));
    p.drawEllipse(QPointF(142, 12), 7, 7);

    // The board in its frame, with a soft shadow on the legs behind it.
    const QRectF frame(12, 30, 260, 190);
    ArtKit::DrawCard(p, frame, {.radius = 6, .drop = {2, 4}, .shadow = QColor(0x20, 0x10, 0x00, 60),
                                .fill = Downwards(frame, Wood.lighter(112), Wood.darker(108)),
                                .edge = QPen(WoodDark, 2)});
    const QRectF slate = frame.adjusted(11, 11, -11, -11);
    p.setPen(QPen(WoodDark.darker(120), 1.5));
    p.setBrush(Downwards(slate, Slate, SlateLow));
    p.drawRect(slate);
    // Old chalk wiped over the slate.
    p.setPen(QPen(QColor(255, 255, 255, 18), 14, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(slate.left() + 20, slate.top() + 30, 160, 120), 20 * 16, 110 * 16);
    p.drawArc(QRectF(slate.left() + 80, slate.top() + 50, 150, 110), 200 * 16, 90 * 16);
    DrawChalkPanel(p, QRectF(slate.left() + 26, slate.top() + 16, slate.width() - 52, slate.height() - 30));

    // The ledge with two sticks of chalk and the sponge.
    const QRectF ledge(8, 218, 268, 12);
    ArtKit::DrawCard(p, ledge, {.radius = 3, .drop = {0, 3}, .shadow = QColor(0x20, 0x10, 0x00, 60),
                                .fill = Downwards(ledge, Wood.lighter(120), Wood.darker(115)),
                                .edge = QPen(WoodDark, 1.5)});
    p.setPen(QPen(QColor(0x90, 0x90, 0x88), 1));
    p.setBrush(QColor(0xfa, 0xfa, 0xf2));
    p.drawRoundedRect(QRectF(40, 211, 26, 7), 3, 3);
    p.setBrush(QColor(0xff, 0xe8, 0x70));
    p.drawRoundedRect(QRectF(72, 212, 20, 6), 3, 3);
    const QRectF sponge(196, 204, 44, 15);
    p.setPen(QPen(QColor(0x4a, 0x3a, 0x20), 1.5));
    p.setBrush(QColor(0x8a, 0x6a, 0x3e));
    p.drawRoundedRect(sponge.adjusted(0, 8, 0, 0), 3, 3);
    p.setBrush(QColor(0xf2, 0xc8, 0x40));
    p.drawRoundedRect(sponge.adjusted(0, 0, 0, -6), 3, 3);
    p.end();
    return image;
}

QImage FolderIcon()
{
    // The back with its tab, the front leaf tipped towards us.
    return PixelMap(
        {
            "................",
            "................",
            ".OOOOO..........",
            "OBBBBBO.........",
            "OBBBBBBOOOOOOOO.",
            "OBBBBBBBBBBBBBBO",
            "OBBOOOOOOOOOOOOO",
            "OBOLLLLLLLLLLLLO",
            "OBOYYYYYYYYYYYYO",
            "OOYYYYYYYYYYYYO.",
            "OOYYYYYYYYYYYYO.",
            "OOYYYYYYYYYYYYO.",
            "OYYYYYYYYYYYYDO.",
            "ODDDDDDDDDDDDDO.",
            ".OOOOOOOOOOOOO..",
            "................",
        },
        {{'O', QColor(0x8a, 0x5a, 0x08)},
         {'B', QColor(0xe2, 0xa8, 0x22)},
         {'L', QColor(0xff, 0xec, 0x9a)},
         {'Y', QColor(0xfa, 0xd0, 0x44)},
         {'D', QColor(0xd8, 0x9c, 0x1a)}});
}

QImage CalculatorIcon()
{
    return ProgramsIconsArt::SmallCalculator();
}

} // namespace SummaryPicturesArt
