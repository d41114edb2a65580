#include "ListsClipsArt.h"

#include "ListsPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/cast/Cast.h"
#include "mediakit/cast/CastPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <numbers>

namespace ListsClipsArt {

namespace {

constexpr double Tau = 2 * std::numbers::pi;
const QSize Size(240, 320);

// Frames of one guide standing in figureBox (at the standing figure's scale, so no pose zooms)
// with a prop painted over it; both take the phase 0 .. 1, and the loop closes on itself.
std::vector<QImage> Scene(TCastMember who, QRectF figureBox, const std::function<TCastPose(double)>& poseAt,
                          const std::function<void(QPainter&, double)>& prop)
{
    const double scale = CastFitScale(who, TCastPose::Standing(), figureBox.size());
    const QRectF standing = CastFigureBounds(who, TCastPose::Standing());
    const QPointF feet(figureBox.center().x() - standing.center().x() * scale, figureBox.bottom());
    std::vector<QImage> frames;
    for (int i = 0; i < Frames; ++i) {
        const double phase = double(i) / Frames;
        QImage frame(Size, QImage::Format_RGB32);
        frame.fill(CastPictures::PageColour);
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintCastMemberAt(painter, who, poseAt(phase), feet, scale);
        prop(painter, phase);
        painter.end();
        frames.push_back(frame);
    }
    return frames;
}

// A pot of sour cream with its paper label, centred on centre.
void DrawSourCream(QPainter& painter, QPointF centre)
{
    painter.save();
    painter.translate(centre);
    QPainterPath pot;
    pot.moveTo(-34, -30);
    pot.lineTo(34, -30);
    pot.lineTo(27, 38);
    pot.quadTo(0, 44, -27, 38);
    pot.closeSubpath();
    painter.setPen(QPen(QColor(0x7a, 0x8a, 0xa0), 2));
    painter.setBrush(ArtKit::Downwards(QRectF(-34, -30, 68, 74), QColor(0xff, 0xff, 0xff), QColor(0xe4, 0xea, 0xf2)));
    painter.drawPath(pot);
    painter.setBrush(QColor(0x3a, 0x7a, 0xd8));
    painter.drawRoundedRect(QRectF(-38, -40, 76, 12), 4, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x3a, 0x7a, 0xd8));
    painter.drawRoundedRect(QRectF(-31, -14, 62, 28), 4, 4);
    painter.setPen(Qt::white);
    painter.setFont(ArtKit::LabelFont(15));
    painter.drawText(QRectF(-31, -14, 62, 28), Qt::AlignCenter, QStringLiteral("Tejföl"));
    painter.restore();
}

void DrawCake(QPainter& painter, QRectF base, double phase)
{
    painter.save();
    painter.setPen(QPen(QColor(0x9a, 0x5a, 0x3a), 2));
    painter.setBrush(QColor(0xf7, 0xc8, 0xd8));
    painter.drawRoundedRect(base, 8, 8);
    painter.setBrush(QColor(0xff, 0xfa, 0xf0));
    painter.drawRoundedRect(QRectF(base.left() - 4, base.top() - 6, base.width() + 8, 14), 6, 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe0, 0x40, 0x70));
    for (int i = 0; i < 5; ++i)
        painter.drawEllipse(QPointF(base.left() + 10 + i * (base.width() - 20) / 4, base.center().y() + 4), 4, 4);
    for (int c = 0; c < 3; ++c) {
        const qreal x = base.left() + base.width() * (c + 1) / 4;
        painter.setBrush(QColor(0x4a, 0x8f, 0xd8));
        painter.drawRect(QRectF(x - 3, base.top() - 28, 6, 22));
        const double flicker = 1 + 0.25 * std::sin(Tau * (2 * phase + c / 3.0));
        painter.setBrush(QColor(0xff, 0xb0, 0x20));
        painter.drawEllipse(QPointF(x, base.top() - 35), 4.5, 7 * flicker);
        painter.setBrush(QColor(0xff, 0xf0, 0x90));
        painter.drawEllipse(QPointF(x, base.top() - 34), 2, 3.5 * flicker);
    }
    painter.restore();
}

// A little bird seen from the side, its wings beating with the phase.
void DrawBird(QPainter& painter, QPointF centre, double beat, bool facingLeft)
{
    painter.save();
    painter.translate(centre);
    if (facingLeft)
        painter.scale(-1, 1);
    painter.setPen(QPen(QColor(0x5a, 0x36, 0x1c), 1.5));
    painter.setBrush(QColor(0xb8, 0x7a, 0x40));
    painter.drawEllipse(QPointF(0, 0), 17, 11);
    painter.drawEllipse(QPointF(15, -7), 8, 8);
    painter.setBrush(QColor(0xf0, 0xb0, 0x20));
    QPainterPath beak;
    beak.moveTo(22, -9);
    beak.lineTo(30, -6);
    beak.lineTo(22, -4);
    painter.drawPath(beak);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(17, -9), 1.6, 1.6);
    QPainterPath tail;
    tail.moveTo(-15, -2);
    tail.lineTo(-30, -8);
    tail.lineTo(-28, 4);
    tail.closeSubpath();
    painter.setBrush(QColor(0x8a, 0x56, 0x2a));
    painter.drawPath(tail);
    QPainterPath wing;
    const double lift = 22 * beat;
    wing.moveTo(-6, -4);
    wing.quadTo(-4, -4 - lift, -18, -6 - lift * 1.1);
    wing.quadTo(-2, -6 - lift * 0.3, 8, -4);
    wing.closeSubpath();
    painter.setBrush(QColor(0x9a, 0x60, 0x30));
    painter.drawPath(wing);
    painter.restore();
}

// A small combo box with its drop button and the part of a name typed so far.
void DrawTypingCombo(QPainter& painter, QRectF box, const QString& typed, bool caret)
{
    painter.save();
    painter.setPen(QPen(QColor(0x7a, 0x86, 0x9a), 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    const QRectF button(box.right() - box.height(), box.top(), box.height(), box.height());
    painter.setBrush(QColor(0xe4, 0xe8, 0xee));
    painter.drawRect(button);
    QPainterPath arrow;
    arrow.moveTo(button.center() + QPointF(-6, -3));
    arrow.lineTo(button.center() + QPointF(6, -3));
    arrow.lineTo(button.center() + QPointF(0, 4));
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArtKit::Palette::Ink);
    painter.drawPath(arrow);
    painter.setPen(ArtKit::Palette::Ink);
    painter.setFont(ArtKit::LabelFont(18, false));
    const QRectF text = box.adjusted(8, 0, -box.height(), 0);
    painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, typed);
    if (caret) {
        const qreal x = text.left() + QFontMetricsF(painter.font()).horizontalAdvance(typed) + 2;
        painter.drawLine(QPointF(x, box.top() + 6), QPointF(x, box.bottom() - 6));
    }
    painter.restore();
}

} // namespace

std::vector<QImage> FoodClip()
{
    return Scene(TCastMember::Tarolka, QRectF(8, 96, 150, 218),
                 [](double phase) {
                     TCastPose pose = TCastPose::Pointing(20);
                     pose.mouth = TCastMouth::Grin;
                     pose.headNod = 0.3 * std::sin(Tau * phase);
                     pose.bounce = 2 * std::abs(std::sin(Tau * phase));
                     return pose;
                 },
                 [](QPainter& painter, double phase) {
                     DrawSourCream(painter, QPointF(184, 110 - 8 * std::sin(Tau * phase)));
                 });
}

std::vector<QImage> BirthdayClip()
{
    return Scene(TCastMember::Nora, QRectF(22, 56, 136, 258), [](double phase) { return TCastPose::Waving(phase); },
                 [](QPainter& painter, double phase) {
                     painter.setPen(Qt::NoPen);
                     painter.setBrush(QColor(0xb0, 0x8a, 0x6a));
                     painter.drawRect(QRectF(150, 262, 84, 52)); // the little table
                     painter.setBrush(QColor(0x8a, 0x66, 0x48));
                     painter.drawRect(QRectF(150, 256, 84, 8));
                     DrawCake(painter, QRectF(160, 222, 64, 34), phase);
                 });
}

std::vector<QImage> BirdsClip()
{
    return Scene(TCastMember::Tivadar, QRectF(30, 110, 180, 206),
                 [](double phase) {
                     TCastPose pose = TCastPose::Pointing(60);
                     pose.lookX = std::cos(Tau * phase) * 0.8;
                     pose.lookY = -0.6;
                     pose.mouth = TCastMouth::Open;
                     return pose;
                 },
                 [](QPainter& painter, double phase) {
                     const QPointF centre(120 + 70 * std::cos(Tau * phase), 58 + 24 * std::sin(Tau * phase));
                     DrawBird(painter, centre, 0.5 + 0.5 * std::sin(Tau * 4 * phase), std::sin(Tau * phase) > 0);
                 });
}

std::vector<QImage> ComboClip()
{
    return Scene(TCastMember::Odon, QRectF(40, 96, 160, 218), [](double phase) { return TCastPose::Talking(2 * phase); },
                 [](QPainter& painter, double phase) {
                     // The name is typed letter by letter, then stays a moment before it starts again.
                     const QString name = QStringLiteral("Veronika");
                     const int letters = std::min<int>(name.size(), int(phase * Frames / 2));
                     DrawTypingCombo(painter, QRectF(30, 24, 180, 34), name.left(letters), int(phase * Frames) % 2 == 0);
                 });
}

} // namespace ListsClipsArt
