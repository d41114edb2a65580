#include "ButtonsScreensArt.h"

#include "ButtonsPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/TopicStyle.h"
#include "mediakit/TopicIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace ButtonsScreensArt {

namespace {

using namespace ButtonsPlaces;

// The buttons topic's colour on the chooser.
const QColor Accent = TopicStyle::Accent(QStringLiteral("GOMBOK"));
const QColor Navy(0x1f, 0x33, 0x66);

// The calm backdrop, the bunting and the page's title.
QImage Page(const QString& title, int titleBaseline = 104)
{
    QImage image = ArtKit::FestivePage(Accent);
    QPainter painter(&image);
    ArtKit::DrawHeading(painter, QPoint(40, titleBaseline), title);
    return image;
}

// A short label with a light halo, its baseline starting at the point.
void DrawNote(QPainter& painter, QPointF baseline, const QString& text, QColor colour, int pixelSize = 19)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addText(baseline, ArtKit::LabelFont(pixelSize), text);
    painter.setPen(QPen(QColor(255, 255, 255, 220), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(path);
    painter.restore();
}

// A dark band with a light rim, so yellow text reads on it.
void DrawDarkBand(QPainter& painter, QRect rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    ArtKit::DrawCard(painter, rect, {.radius = rect.height() * 0.35, .drop = {0, 3}, .shadow = QColor(0, 0, 0, 50),
                                     .fill = ArtKit::Downwards(rect, Navy.lighter(125), Navy.darker(115)),
                                     .edge = QPen(QColor(0xa8, 0xc4, 0xf0), 2), .inset = 1});
    painter.restore();
}

// A frame around a picture control, a little outside it.
void DrawPictureFrame(QPainter& painter, QRect control, int margin, QColor colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(control).adjusted(-margin, -margin, margin, margin);
    ArtKit::DrawCard(painter, r, {.radius = 8, .drop = {0, 3}, .shadow = QColor(0, 0, 0, 50),
                                  .fill = ArtKit::Downwards(r, colour.lighter(130), colour),
                                  .edge = QPen(colour.darker(140), 1.5)});
    painter.setPen(QPen(colour.darker(160), 1));
    painter.setBrush(QColor(0x33, 0x2a, 0x22));
    painter.drawRect(QRectF(control).adjusted(-1.5, -1.5, 1.5, 1.5));
    painter.restore();
}

// A soft spotlight on the page behind a clip.
void DrawSpotlight(QPainter& painter, QRect clip, QColor tint)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient light(QRectF(clip).center(), clip.width() * 0.75);
    light.setColorAt(0, QColor(255, 255, 255, 200));
    light.setColorAt(0.7, QColor(tint.red(), tint.green(), tint.blue(), 40));
    light.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawEllipse(QRectF(clip).center(), clip.width() * 0.75, clip.height() * 0.62);
    painter.restore();
}

void DrawCurtain(QPainter& painter, QRectF rect, bool left)
{
    const QColor red(0xc8, 0x2a, 0x3a);
    QPainterPath curtain;
    const qreal in = left ? rect.left() : rect.right();
    const qreal out = left ? rect.right() : rect.left();
    curtain.moveTo(in, rect.top());
    curtain.lineTo(out, rect.top());
    curtain.cubicTo(out - (out - in) * 0.2, rect.top() + rect.height() * 0.45, out + (in - out) * 0.1,
                    rect.top() + rect.height() * 0.7, out + (in - out) * 0.35, rect.bottom());
    curtain.lineTo(in, rect.bottom());
    curtain.closeSubpath();
    QLinearGradient folds(rect.topLeft(), rect.topRight());
    for (int i = 0; i <= 6; ++i)
        folds.setColorAt(i / 6.0, i % 2 == 0 ? red : red.darker(135));
    painter.setPen(QPen(red.darker(170), 1.5));
    painter.setBrush(folds);
    painter.drawPath(curtain);
}

// A small stage: floor, back light, curtains and a valance, all outside the clip's own area
// except the light and floor behind the guide's feet.
void DrawStage(QPainter& painter, QRect clip)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF back = QRectF(clip).adjusted(-34, -26, 34, 18);
    ArtKit::DrawCard(painter, back, {.radius = 14, .drop = {0, 4}, .shadow = QColor(0, 0, 0, 45),
                                     .fill = ArtKit::Downwards(back, QColor(0xff, 0xf6, 0xe4), QColor(0xf6, 0xe2, 0xc2)),
                                     .edge = QPen(QColor(0x9c, 0x6a, 0x3a), 2)});
    DrawSpotlight(painter, clip, Accent);
    // The boards the guides stand on.
    const QRectF floor(back.left() + 2, clip.bottom() - 16, back.width() - 4, back.bottom() - clip.bottom() + 14);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArtKit::Downwards(floor, QColor(0xd9, 0xa4, 0x6a), QColor(0xa8, 0x70, 0x3c)));
    painter.drawRoundedRect(floor, 10, 10);
    painter.setPen(QPen(QColor(0x8a, 0x58, 0x2c, 120), 1));
    for (qreal x = floor.left() + 30; x < floor.right(); x += 40)
        painter.drawLine(QPointF(x, floor.top() + 2), QPointF(x - 6, floor.bottom() - 2));
    DrawCurtain(painter, QRectF(back.left(), back.top(), clip.left() - back.left() + 6, clip.height() + 14), true);
    DrawCurtain(painter, QRectF(clip.right() - 6, back.top(), back.right() - clip.right() + 6, clip.height() + 14), false);
    const QRectF valance(back.left(), back.top(), back.width(), clip.top() - back.top());
    painter.setPen(QPen(QColor(0x8a, 0x1c, 0x28), 1.5));
    painter.setBrush(ArtKit::Downwards(valance, QColor(0xd8, 0x3a, 0x4a), QColor(0xa8, 0x22, 0x32)));
    painter.drawRoundedRect(valance, 10, 10);
    painter.setPen(QPen(QColor(0xf2, 0xc2, 0x3c), 3));
    painter.drawLine(QPointF(valance.left() + 10, valance.bottom() - 5), QPointF(valance.right() - 10, valance.bottom() - 5));
    painter.restore();
}

// The tray the puzzle's nine tiles stand in, the slots faintly marked.
void DrawTray(QPainter& painter, QRect grid)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(grid).adjusted(-12, -12, 12, 12);
    const QColor wood(0xb7, 0x7a, 0x3e);
    ArtKit::DrawCard(painter, r, {.radius = 12, .drop = {0, 4}, .shadow = QColor(0, 0, 0, 55),
                                  .fill = ArtKit::Downwards(r, wood.lighter(125), wood.darker(110)),
                                  .edge = QPen(wood.darker(160), 2)});
    painter.setPen(QPen(QColor(0x5a, 0x3a, 0x1c), 1));
    painter.setBrush(QColor(0xf4, 0xe9, 0xd6));
    painter.drawRect(QRectF(grid).adjusted(-1.5, -1.5, 1.5, 1.5));
    painter.setPen(QPen(QColor(0xc9, 0xb2, 0x8e), 1, Qt::DashLine));
    const int slot = grid.width() / 3;
    for (int i = 1; i < 3; ++i) {
        painter.drawLine(QPointF(grid.left() + i * slot, grid.top()), QPointF(grid.left() + i * slot, grid.bottom()));
        painter.drawLine(QPointF(grid.left(), grid.top() + i * slot), QPointF(grid.right(), grid.top() + i * slot));
    }
    painter.restore();
}

// A green chalkboard in a wooden frame, chalk dust here and there.
void DrawBlackboard(QPainter& painter, QRect rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor wood(0x9c, 0x62, 0x2c);
    ArtKit::DrawCard(painter, rect, {.radius = 10, .drop = {0, 4}, .shadow = QColor(0, 0, 0, 60),
                                     .fill = ArtKit::Downwards(rect, wood.lighter(120), wood.darker(115)),
                                     .edge = QPen(wood.darker(170), 2)});
    const QRectF board = QRectF(rect).adjusted(9, 9, -9, -9);
    QLinearGradient slate(board.topLeft(), board.bottomRight());
    slate.setColorAt(0, QColor(0x27, 0x47, 0x35));
    slate.setColorAt(1, QColor(0x1d, 0x3a, 0x2c));
    painter.setPen(QPen(QColor(0x14, 0x26, 0x1c), 1.5));
    painter.setBrush(slate);
    painter.drawRoundedRect(board, 4, 4);
    // Wiped chalk: faint wide smears that never reach the text's brightness.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        const qreal x = board.left() + std::fmod(137.0 * i + 60, board.width() - 120);
        const qreal y = board.top() + std::fmod(71.0 * i + 30, board.height() - 40);
        QRadialGradient smear(QPointF(x + 60, y + 15), 70);
        smear.setColorAt(0, QColor(255, 255, 255, 10));
        smear.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setBrush(smear);
        painter.drawEllipse(QPointF(x + 60, y + 15), 90, 26);
    }
    // The chalk ledge with two sticks of chalk, on the frame below the writing, left of the back picture.
    const QRectF ledge(rect.right() - 440, rect.bottom() - 2, 180, 9);
    painter.setBrush(wood.darker(125));
    painter.drawRoundedRect(ledge, 3, 3);
    painter.setBrush(QColor(0xfa, 0xfa, 0xf0));
    painter.drawRoundedRect(QRectF(ledge.left() + 20, ledge.top() - 6, 34, 7), 3, 3);
    painter.setBrush(QColor(0xff, 0xf0, 0x60));
    painter.drawRoundedRect(QRectF(ledge.left() + 70, ledge.top() - 6, 26, 7), 3, 3);
    painter.restore();
}

} // namespace

void DrawShuffleButton(QPainter& painter, QRect rect)
{
    const QColor purple(0x8a, 0x4f, 0xc6);
    ArtKit::DrawLabelButton(painter, rect,
                            {.label = QStringLiteral("Keverés"), .faceTop = QColor(0xfb, 0xf6, 0xff),
                             .faceBottom = QColor(0xe2, 0xd0, 0xf6), .accent = purple, .lettering = purple.darker(170),
                             .sign = [](QPainter& p, const QRectF& disc) {
                                 // Two arrows crossing each other, as on a shuffle key.
                                 const qreal u = disc.width() / 10;
                                 auto at = [&](qreal x, qreal y) { return disc.topLeft() + QPointF(x * u, y * u); };
                                 QPainterPath one(at(2, 3.2));
                                 one.cubicTo(at(4.5, 3.2), at(4.8, 6.8), at(6.8, 6.8));
                                 ArtKit::DrawArrowHeadLine(p, one, at(7.8, 6.8), QPointF(1, 0), 0.75 * u, Qt::white);
                                 QPainterPath two(at(2, 6.8));
                                 two.cubicTo(at(4.5, 6.8), at(4.8, 3.2), at(6.8, 3.2));
                                 ArtKit::DrawArrowHeadLine(p, two, at(7.8, 3.2), QPointF(1, 0), 0.75 * u, Qt::white);
                             }});
}

void DrawNextButton(QPainter& painter, QRect rect)
{
    const QColor green = ArtKit::Palette::ExitGreen;
    ArtKit::DrawLabelButton(painter, rect,
                            {.label = QStringLiteral("Tovább"), .faceTop = QColor(0xf2, 0xff, 0xf4),
                             .faceBottom = QColor(0xc4, 0xee, 0xcf), .accent = green, .lettering = green.darker(190),
                             .sign = [](QPainter& p, const QRectF& disc) {
                                 const qreal d = disc.width();
                                 QPainterPath line(QPointF(disc.left() + d * 0.22, disc.center().y()));
                                 line.lineTo(QPointF(disc.left() + d * 0.62, disc.center().y()));
                                 ArtKit::DrawArrowHeadLine(p, line, QPointF(disc.left() + d * 0.8, disc.center().y()),
                                                           QPointF(1, 0), d * 0.13, Qt::white);
                             }});
}

void DrawHelpButton(QPainter& painter, QRect rect)
{
    const QColor blue(0x2f, 0x6f, 0xd0);
    ArtKit::DrawLabelButton(painter, rect,
                            {.label = QStringLiteral("Súgó"), .faceTop = QColor(0xf4, 0xf9, 0xff),
                             .faceBottom = QColor(0xc8, 0xdc, 0xf8), .accent = blue, .lettering = blue.darker(170),
                             .sign = [](QPainter& p, const QRectF& disc) {
                                 p.setFont(ArtKit::LabelFont(int(disc.height() * 0.72)));
                                 p.setPen(Qt::white);
                                 p.drawText(disc, Qt::AlignCenter, QStringLiteral("?"));
                             }});
}

QImage LessonScreen()
{
    QImage image = Page(QStringLiteral("Gombok"));
    QPainter painter(&image);
    TopicIcons::DrawButtons(painter, QRect(840, 38, 150, 130));
    ArtKit::DrawSoftPanel(painter, LessonText);
    painter.end();
    return image;
}

QImage ToolBarScreen()
{
    QImage image = LessonScreen();
    QPainter painter(&image);
    DrawDarkBand(painter, CaptionBand);
    painter.end();
    return image;
}

QImage ShapesScreen()
{
    QImage image = Page(QStringLiteral("Sokféle gomb"));
    QPainter painter(&image);
    TopicIcons::DrawButtons(painter, QRect(840, 38, 150, 130));
    ArtKit::DrawSoftPanel(painter, ShapesText);
    // The board the five buttons are pinned to.
    const QRect board = QRect(NormalButton.topLeft(), NoraButton.bottomRight()).united(RoundButton).adjusted(-22, -14, 40, 14);
    ArtKit::DrawCard(painter, board, {.radius = 16, .drop = {0, 3}, .shadow = QColor(0, 0, 0, 35),
                                      .fill = ArtKit::Downwards(board, QColor(0xff, 0xf8, 0xe8), QColor(0xfb, 0xe8, 0xc4)),
                                      .edge = QPen(Accent.darker(120), 2)});
    DrawStage(painter, ShapesClip);
    painter.end();
    return image;
}

QImage PuzzleScreen()
{
    QImage image = Page(QStringLiteral("Kirakós"), 96);
    QPainter painter(&image);
    DrawTray(painter, PuzzleGrid);
    DrawPictureFrame(painter, PuzzleChoice1, 6, Accent);
    DrawPictureFrame(painter, PuzzleChoice2, 6, Accent);
    // Two short lines between the pictures and the guide's clip, clear of both.
    const QPointF note(PuzzleChoice1.right() + 22, PuzzleChoice1.bottom() + 2);
    DrawNote(painter, note, QStringLiteral("Válassz"), ArtKit::Palette::Heading);
    DrawNote(painter, note + QPointF(0, 24), QStringLiteral("képet!"), ArtKit::Palette::Heading);
    DrawSpotlight(painter, PuzzleClip, Accent);
    DrawShuffleButton(painter, ShuffleArea);
    ArtKit::DrawSoftPanel(painter, PuzzleText);
    DrawNextButton(painter, PuzzleNextArea);
    painter.end();
    return image;
}

QImage EnglishScreen()
{
    QImage image = Page(QStringLiteral("Angol feliratok"), 86);
    QPainter painter(&image);
    ArtKit::DrawSoftPanel(painter, EnglishLead);
    DrawBlackboard(painter, EnglishBoard);
    ArtKit::DrawSoftPanel(painter, EnglishLast);
    painter.end();
    return image;
}

QImage QuizScreen()
{
    QImage image = Page(QStringLiteral("Villámkérdések"), 96);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawHelpButton(painter, HelpArea);
    DrawNote(painter, QPointF(HelpArea.right() + 20, HelpArea.center().y() + 7),
             QStringLiteral("Ha elakadsz, itt megtalálod az angol szavakat."), ArtKit::Palette::Heading);
    ArtKit::DrawSoftPanel(painter, QuizRows);
    // One light stripe per question, with the box its check mark comes into.
    for (int q = 0; q < 12; ++q) {
        const QRectF row(QuizRows.left() + 6, 198 + 45 * q, QuizRows.width() - 12, 44);
        if (q % 2 == 0) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0xff, 0xf1, 0xd2, 120));
            painter.drawRoundedRect(row, 8, 8);
        }
        const QRectF box(800 + 6, 200 + 45 * q + 6, CheckMark.width() - 12, CheckMark.height() - 12);
        painter.setPen(QPen(QColor(0xb8, 0xc4, 0xd8), 1.5));
        painter.setBrush(QColor(255, 255, 255, 200));
        painter.drawRoundedRect(box, 5, 5);
    }
    painter.end();
    return image;
}

QImage HelpPanel()
{
    QImage image(ButtonsPlaces::HelpPanel.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(image.rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(QColor(0x2f, 0x6f, 0xd0), 2));
    painter.setBrush(ArtKit::Downwards(r, QColor(0xff, 0xfe, 0xf6), QColor(0xfd, 0xf6, 0xe0)));
    painter.drawRoundedRect(r, 14, 14);
    // A large faint question mark in the corner the text does not reach.
    painter.setFont(ArtKit::LabelFont(150));
    painter.setPen(QColor(0x2f, 0x6f, 0xd0, 26));
    painter.drawText(QRectF(r.right() - 150, r.bottom() - 180, 130, 170), Qt::AlignCenter, QStringLiteral("?"));
    painter.end();
    return image;
}

} // namespace ButtonsScreensArt
