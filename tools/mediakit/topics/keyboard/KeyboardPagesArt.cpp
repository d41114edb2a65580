#include "KeyboardPagesArt.h"

#include "mediakit/ArtKit.h"
#include "mediakit/TopicStyle.h"
#include "mediakit/cast/Cast.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace KeyboardPagesArt {

namespace {

using namespace Places;

const QColor TargetBlue(0x3f, 0x7f, 0xe0);
const QColor WrongGreen(0x3a, 0x9a, 0x48);

QImage Page()
{
    return ArtKit::FestivePage(TopicStyle::Accent(QStringLiteral("BILLENTYU")));
}

// A short label with a light halo, centred over a point.
void DrawCaption(QPainter& painter, QPointF centre, const QString& caption, QColor colour, int pixelSize = 21)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFont font = ArtKit::LabelFont(pixelSize);
    const QFontMetrics metrics(font);
    QPainterPath text;
    text.addText(centre.x() - metrics.horizontalAdvance(caption) / 2.0, centre.y() + metrics.ascent() / 2.0 - 2, font,
                 caption);
    painter.setPen(QPen(QColor(255, 255, 255, 230), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(text);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(text);
    painter.restore();
}

// A coloured panel whose light inner field is exactly the label's rectangle.
void DrawLetterPanel(QPainter& painter, QRect field, QColor colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(field).adjusted(-10, -10, 10, 10);
    ArtKit::DrawCard(painter, frame, {.radius = 18, .drop = {0, 4}, .shadow = QColor(0x20, 0x30, 0x50, 40),
                                      .fill = ArtKit::Downwards(frame, colour.lighter(115), colour.darker(110)),
                                      .edge = QPen(colour.darker(140), 2), .inset = 1});

    QLinearGradient inside(QPointF(field.topLeft()), QPointF(field.bottomLeft()));
    inside.setColorAt(0, QColor::fromHsv(colour.hue(), 52, 255));
    inside.setColorAt(1, QColor::fromHsv(colour.hue(), 92, 248));
    painter.setBrush(inside);
    painter.setPen(QPen(colour.darker(125), 1.5));
    painter.drawRoundedRect(QRectF(field).adjusted(0.75, 0.75, -0.75, -0.75), 10, 10);
    painter.restore();
}

// A stopwatch: round face, crown and one hand.
void DrawStopwatch(QPainter& painter, QPointF centre, double radius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = ArtKit::Palette::Ink;
    painter.setPen(QPen(ink, 2));
    painter.setBrush(QColor(0xf2, 0xb1, 0x34));
    painter.drawRoundedRect(QRectF(centre.x() - radius * 0.22, centre.y() - radius * 1.42, radius * 0.44, radius * 0.32), 3,
                            3);
    painter.drawLine(centre + QPointF(0, -radius * 1.1), centre + QPointF(0, -radius));
    painter.drawLine(centre + QPointF(radius * 0.72, -radius * 0.72), centre + QPointF(radius * 0.86, -radius * 0.86));
    QRadialGradient face(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, QColor(0xe4, 0xee, 0xfa));
    painter.setBrush(face);
    painter.setPen(QPen(TargetBlue.darker(130), radius * 0.16));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(ink, 1.5));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        const QPointF d(std::sin(a), -std::cos(a));
        painter.drawLine(centre + d * radius * 0.7, centre + d * radius * 0.82);
    }
    painter.setPen(QPen(QColor(0xd0, 0x3a, 0x3a), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(radius * 0.45, -radius * 0.45));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(centre, 2.5, 2.5);
    painter.restore();
}

// The clock's display: a white window in a blue frame; the label fills the window.
void DrawClockDisplay(QPainter& painter, QRect window)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(window).adjusted(-8, -8, 8, 8);
    ArtKit::DrawCard(painter, frame, {.radius = 14, .shadow = QColor(0x20, 0x30, 0x50, 40),
                                      .fill = ArtKit::Downwards(frame, QColor(0xa9, 0xcc, 0xf0), QColor(0x6f, 0xa4, 0xdc)),
                                      .edge = QPen(QColor(0x4a, 0x7e, 0xb8), 1.5)});
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(0x3d, 0x6a, 0x9e), 1));
    painter.drawRoundedRect(QRectF(window).adjusted(-2, -2, 2, 2), 6, 6);
    painter.fillRect(window, Qt::white);
    painter.restore();
}

// A magnifying glass over a letter: the hunt for letters.
void DrawMagnifier(QPainter& painter, QPointF lens, double radius, const QString& letter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = ArtKit::Palette::Ink;
    const QPointF handleStart = lens + QPointF(radius * 0.72, radius * 0.72);
    const QPointF handleEnd = lens + QPointF(radius * 1.75, radius * 1.75);
    painter.setPen(QPen(ink, radius * 0.34 + 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(handleStart, handleEnd);
    painter.setPen(QPen(QColor(0xb8, 0x6b, 0x2c), radius * 0.34, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(handleStart + (handleEnd - handleStart) * 0.25, handleEnd);

    QRadialGradient glass(lens - QPointF(radius * 0.3, radius * 0.35), radius * 1.2);
    glass.setColorAt(0, QColor(255, 255, 255, 240));
    glass.setColorAt(1, QColor(0xd6, 0xea, 0xfb, 230));
    painter.setBrush(glass);
    painter.setPen(QPen(ink, radius * 0.18));
    painter.drawEllipse(lens, radius, radius);
    painter.setFont(ArtKit::LabelFont(int(radius * 1.1)));
    painter.setPen(TargetBlue.darker(115));
    painter.drawText(QRectF(lens.x() - radius, lens.y() - radius, 2 * radius, 2 * radius), Qt::AlignCenter, letter);
    painter.setPen(QPen(QColor(255, 255, 255, 200), radius * 0.1, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(lens.x() - radius * 0.7, lens.y() - radius * 0.7, radius * 1.4, radius * 1.4), 100 * 16, 60 * 16);
    painter.restore();
}

// A soft shadow where a clip's figure stands, so it does not float.
void DrawFloorShadow(QPainter& painter, QPointF centre, double rx, double ry)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shadow(centre, rx);
    shadow.setColorAt(0, QColor(0x30, 0x38, 0x48, 60));
    shadow.setColorAt(1, QColor(0x30, 0x38, 0x48, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.scale(1, ry / rx);
    painter.drawEllipse(QPointF(centre.x(), centre.y() * rx / ry), rx, rx);
    painter.restore();
}

// The word card the typing page writes its word on: a paper strip.
void DrawWordCard(QPainter& painter, QRect label)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(label).adjusted(-18, -6, 14, 6);
    ArtKit::DrawCard(painter, card, {.radius = 12, .shadow = QColor(0x20, 0x30, 0x50, 35), .fill = ArtKit::Palette::Paper,
                                     .edge = QPen(QColor(0x9a, 0xb4, 0xd4), 1.5)});
    painter.restore();
}

// A podium step with a number, for the evaluation page's guide to stand on.
void DrawPodium(QPainter& painter, QRectF top)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient front(top.topLeft(), top.bottomLeft());
    front.setColorAt(0, QColor(0xff, 0xd8, 0x5e));
    front.setColorAt(1, QColor(0xe8, 0xa8, 0x22));
    painter.setPen(QPen(QColor(0x9a, 0x66, 0x10), 2));
    painter.setBrush(front);
    painter.drawRoundedRect(top, 8, 8);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 3));
    painter.drawLine(QPointF(top.left() + 10, top.top() + 6), QPointF(top.right() - 10, top.top() + 6));
    ArtKit::DrawStar(painter, top.center() + QPointF(0, 8), top.height() * 0.3, QColor(0xff, 0xf6, 0xd0));
    painter.restore();
}

void DrawConfetti(QPainter& painter, QRect area, int count, int seed)
{
    const QColor colours[] = {QColor(0xe0, 0x4e, 0x68), QColor(0xf2, 0xb1, 0x34), QColor(0x3a, 0x9a, 0x48),
                              QColor(0x3f, 0x7f, 0xe0), QColor(0x8a, 0x56, 0xc2)};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        // A fixed scatter (golden angle), so every run draws the same picture.
        const double u = std::fmod((i + seed) * 0.618034, 1.0);
        const double v = std::fmod((i + seed) * 0.381966 * 2.7 + 0.13, 1.0);
        const QPointF at(area.left() + u * area.width(), area.top() + v * area.height());
        painter.save();
        painter.translate(at);
        painter.rotate(i * 47.0);
        painter.setBrush(colours[i % 5]);
        painter.drawRoundedRect(QRectF(-5, -2.5, 10, 5), 1.5, 1.5);
        painter.restore();
    }
    painter.restore();
}

} // namespace

void DrawReadButton(QPainter& painter, QRect rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect).adjusted(0.75, 0.75, -0.75, -2.75);
    const double radius = r.height() * 0.3;
    const QColor green(0x2e, 0x9a, 0x4c);
    ArtKit::DrawCard(painter, r, {.radius = radius, .drop = {0, 2}, .shadow = QColor(0, 0, 0, 45),
                                  .fill = ArtKit::Downwards(r, QColor(0xf4, 0xff, 0xf2), QColor(0xc4, 0xee, 0xbe)),
                                  .edge = QPen(green.darker(115), 2), .inset = 1});

    // The L key on the left, the word on the right.
    const int key = int(r.height() * 0.7);
    const QRect keyRect(int(r.left() + r.height() * 0.14), int(r.center().y() - key / 2.0), key, key);
    ArtKit::DrawKey(painter, keyRect, QStringLiteral("L"), QColor(0xff, 0xf4, 0xc8));
    const QString label = QStringLiteral("Láttam");
    const QRectF textRect(keyRect.right() + 3, r.top(), r.right() - keyRect.right() - 6, r.height());
    const int size = ArtKit::FittingPixelSize({label}, int(textRect.width()), int(r.height() * 0.4));
    painter.setFont(ArtKit::LabelFont(size));
    painter.setPen(QColor(0x1d, 0x5a, 0x2c));
    painter.drawText(textRect, Qt::AlignCenter, label);
    painter.restore();
}

QImage LetterHuntScreen()
{
    QImage image = Page();
    QPainter painter(&image);
    ArtKit::DrawHeading(painter, QPoint(40, 104), QStringLiteral("Betűvadászat"));

    DrawCaption(painter, QPointF(HuntTarget.center().x() + 0.5, HuntTarget.top() - 28), QStringLiteral("Ezt gépeld!"),
                TargetBlue.darker(120));
    DrawLetterPanel(painter, HuntTarget, TargetBlue);
    DrawCaption(painter, QPointF(HuntWrong.center().x() + 0.5, HuntWrong.top() - 28), QStringLiteral("Hibás betű"),
                WrongGreen.darker(125));
    DrawLetterPanel(painter, HuntWrong, WrongGreen);

    DrawStopwatch(painter, QPointF(HuntClock.left() + 30, HuntClock.top() - 34), 20);
    DrawCaption(painter, QPointF(HuntClock.left() + 88, HuntClock.top() - 32), QStringLiteral("Idő"), TargetBlue.darker(120));
    DrawClockDisplay(painter, HuntClock);

    DrawMagnifier(painter, QPointF(420, 222), 44, QStringLiteral("Ő"));
    ArtKit::DrawStar(painter, QPointF(382, 70), 16, QColor(0xf2, 0xb1, 0x34));
    ArtKit::DrawStar(painter, QPointF(420, 92), 10, QColor(0xe0, 0x4e, 0x68));

    DrawFloorShadow(painter, QPointF(OdonClip.center().x(), OdonClip.bottom() - 4), 70, 14);
    ArtKit::DrawSoftPanel(painter, HuntTask, 22);
    ArtKit::DrawBackButton(painter, BackArea);
    return image;
}

QImage TypingScreen()
{
    QImage image = Page();
    QPainter painter(&image);
    // Page coordinates to picture coordinates.
    const QPoint down(0, -TypingPictureTop);
    ArtKit::DrawHeading(painter, QPoint(40, 104) + down, QStringLiteral("Gépelés"));
    DrawCaption(painter, QPointF(TypingWord.left() + 66, TypingWord.top() - 22) + down, QStringLiteral("Ezt írd be:"),
                TargetBlue.darker(120), 19);

    DrawWordCard(painter, TypingWord.translated(down));
    ArtKit::DrawPencil(painter, QRect(14, 280, 52, 56).translated(down));
    ArtKit::DrawInputField(painter, TypingEdit.translated(down));
    const QRect enterKey = QRect(868, 232, 120, 137).translated(down);
    ArtKit::DrawHintArrow(painter, QPointF(TypingEdit.right() + 16, TypingEdit.center().y()) + down,
                          QPointF(836, TypingEdit.center().y() + 6) + down, QPointF(enterKey.left() - 10, enterKey.top() + 70),
                          QColor(0x3f, 0x9a, 0x55));
    ArtKit::DrawEnterKey(painter, enterKey);
    ArtKit::DrawStar(painter, QPointF(262, 70) + down, 16, QColor(0xf2, 0xb1, 0x34));
    ArtKit::DrawStar(painter, QPointF(300, 92) + down, 10, QColor(0x3a, 0x9a, 0x48));

    ArtKit::DrawSoftPanel(painter, HuntTask.translated(down), 22);
    ArtKit::DrawBackButton(painter, BackArea.translated(down));
    return image;
}

QImage EvaluationScreen()
{
    QImage image = Page();
    QPainter painter(&image);
    ArtKit::DrawHeading(painter, QPoint(60, 104), QStringLiteral("Értékelés"));
    ArtKit::DrawStar(painter, QPointF(340, 74), 18, QColor(0xf2, 0xb1, 0x34));
    ArtKit::DrawStar(painter, QPointF(384, 96), 12, QColor(0xf2, 0xb1, 0x34));
    ArtKit::DrawStar(painter, QPointF(416, 68), 9, QColor(0xf2, 0xb1, 0x34));

    ArtKit::DrawSoftPanel(painter, EvaluationText.adjusted(-20, -16, 20, 8), 24);

    // Ödön's clip stands on the podium; the clip's frames carry this same background.
    DrawConfetti(painter, QRect(864, 40, 156, 90), 14, 3);
    DrawPodium(painter, QRectF(882, 398, 124, 70));
    DrawReadButton(painter, EvaluationRead);
    ArtKit::DrawBackButton(painter, EvaluationBack);
    return image;
}

QImage InfoScreen()
{
    QImage image = Page();
    QPainter painter(&image);
    ArtKit::DrawHeading(painter, QPoint(40, 80), QStringLiteral("Vigyázz a gépre!"), 36);
    ArtKit::DrawSoftPanel(painter, InfoText, 22);

    // Kábel Ödön beside the advice, pointing at it.
    DrawFloorShadow(painter, QPointF(930, 470), 66, 12);
    PaintCastMember(painter, TCastMember::Odon, TCastPose::Pointing(170), QRectF(840, 150, 180, 322));
    ArtKit::DrawBackButton(painter, BackArea);
    return image;
}

} // namespace KeyboardPagesArt
