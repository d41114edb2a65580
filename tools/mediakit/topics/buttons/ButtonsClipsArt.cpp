#include "ButtonsClipsArt.h"

#include "ButtonsPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/cast/Cast.h"
#include "mediakit/cast/CastPictures.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace ButtonsClipsArt {

namespace {

constexpr double Tau = 2 * std::numbers::pi;
const int ShapeFrames = 24;

// One frame of a guide: the painter is moved by place (in pixels, about the figure's middle)
// before the figure is painted with its feet at feet.
struct TMove {
    TCastPose pose;
    double degrees = 0; // turned about the figure's middle
    double scaleX = 1;  // squeezed across, about the middle (a turn seen from the front)
    double scaleY = 1;  // squashed down onto the feet
    QPointF shift;      // in pixels
};

std::vector<QImage> Moves(TCastMember who, QSize size, int frameCount, double figureHeight,
                          const std::function<TMove(double phase)>& moveAt)
{
    const QRectF standing = CastFigureBounds(who, TCastPose::Standing());
    const double scale = figureHeight / standing.height();
    const double middle = standing.center().y() * scale; // negative: above the feet
    std::vector<QImage> frames;
    for (int i = 0; i < frameCount; ++i) {
        const TMove move = moveAt(double(i) / frameCount);
        QImage frame(size, QImage::Format_RGB32);
        frame.fill(CastPictures::PageColour);
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPointF feet(size.width() / 2.0 + move.shift.x(), size.height() - 6 + move.shift.y());
        painter.translate(feet);
        painter.scale(1, move.scaleY);
        painter.translate(0, middle);
        painter.rotate(move.degrees);
        painter.scale(move.scaleX, 1);
        painter.translate(0, -middle);
        PaintCastMemberAt(painter, who, move.pose, QPointF(0, 0), scale);
        painter.end();
        frames.push_back(frame);
    }
    return frames;
}

double Swell(double phase)
{
    const double s = std::sin(std::numbers::pi * phase);
    return s * s;
}

const QSize ShapesSize = ButtonsPlaces::ShapesClip.size();

// The light grey a head takes when it is switched off: never quite neutral, so no pixel of it
// falls on the see-through key colour.
void Greyed(QImage& frame, QRect area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = frame.pixelColor(x, y);
            if (c == CastPictures::PageColour)
                continue;
            const int g = 150 + qGray(c.rgb()) * 90 / 255;
            frame.setPixelColor(x, y, QColor(g * 92 / 100, g * 94 / 100, g));
        }
}

std::vector<QImage> HeadClip(bool awake)
{
    const QSize size = ButtonsPlaces::ActiveClip.size();
    std::vector<QImage> frames;
    const int count = 24;
    for (int i = 0; i < count; ++i) {
        const double phase = double(i) / count;
        QImage frame(size, QImage::Format_RGB32);
        frame.fill(CastPictures::PageColour);
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::Antialiasing);
        TCastPose pose = awake ? TCastPose::Nodding(phase) : TCastPose::Standing();
        if (!awake) {
            pose.eyesOpen = 0;
            pose.headTilt = 10 + 3 * std::sin(Tau * phase);
            pose.mouth = TCastMouth::Smile;
        }
        const QRectF headBox(size.width() / 2.0 - 46, 3, 92, size.height() - 6);
        PaintCastHead(painter, TCastMember::Nora, pose, headBox);
        if (awake) {
            // Two green stars twinkle beside the wide-awake head.
            const double twinkle = 0.7 + 0.3 * std::sin(Tau * phase);
            ArtKit::DrawStar(painter, QPointF(14, 20), 9 * twinkle, QColor(0x3c, 0xc8, 0x5a));
            ArtKit::DrawStar(painter, QPointF(size.width() - 14, 50), 9 * (1.7 - twinkle), QColor(0x3c, 0xc8, 0x5a));
        } else {
            painter.end();
            Greyed(frame, frame.rect());
            painter.begin(&frame);
            painter.setRenderHint(QPainter::Antialiasing);
            // Sleepy letters rise and fade beside the head, one after another.
            for (int z = 0; z < 3; ++z) {
                const double t = std::fmod(phase + z / 3.0, 1.0);
                painter.setFont(ArtKit::LabelFont(10 + z * 3));
                painter.setPen(QColor(0x60, 0x68, 0x80, int(255 * (1 - t))));
                painter.drawText(QPointF(size.width() - 30 + z * 6 + 4 * t, 60 - 50 * t), QStringLiteral("z"));
            }
        }
        painter.end();
        frames.push_back(frame);
    }
    return frames;
}

} // namespace

std::vector<QImage> Bowing()
{
    // A courtly bow: the body leans, one arm sweeps across the waist, the other out to the side.
    return Moves(TCastMember::Odon, ShapesSize, ShapeFrames, 290, [](double phase) {
        const double dip = Swell(phase);
        TMove move;
        move.pose.bodyLean = 28 * dip;
        move.pose.headNod = 0.9 * dip;
        move.pose.eyesOpen = 1 - 0.9 * dip;
        move.pose.mouth = TCastMouth::Grin;
        move.pose.rightArm = {10 - 40 * dip, 20 + 60 * dip, TCastHand::Open};
        move.pose.leftArm = {12 + 60 * dip, 10, TCastHand::Open};
        move.scaleY = 1 - 0.06 * dip;
        return move;
    });
}

std::vector<QImage> Squatting()
{
    return Moves(TCastMember::Tarolka, ShapesSize, ShapeFrames, 250, [](double phase) {
        const double down = Swell(phase);
        TMove move;
        move.pose.leftArm = {12 + 38 * down, 8 + 30 * down, TCastHand::Open};
        move.pose.rightArm = {12 + 38 * down, 8 + 30 * down, TCastHand::Open};
        move.pose.mouth = TCastMouth::Grin;
        move.pose.eyebrows = 0.6 * down;
        move.scaleY = 1 - 0.32 * down;
        return move;
    });
}

std::vector<QImage> Spinning()
{
    // Seen from the front a turn squeezes the figure to a sliver and opens it again mirrored.
    return Moves(TCastMember::Nora, ShapesSize, ShapeFrames, 280, [](double phase) {
        const double c = std::cos(Tau * phase);
        TMove move;
        move.pose = TCastPose::Standing();
        move.pose.leftArm = {100, 10, TCastHand::Open};
        move.pose.rightArm = {100, 10, TCastHand::Open};
        move.pose.mouth = TCastMouth::Grin;
        move.pose.headTurn = -std::sin(Tau * phase) * 0.8;
        move.pose.mirrored = c < 0;
        move.scaleX = std::max(0.08, std::abs(c));
        move.shift = QPointF(0, -8 * Swell(phase * 2));
        return move;
    });
}

std::vector<QImage> Waving()
{
    return Moves(TCastMember::Nyilacska, ShapesSize, ShapeFrames, 270, [](double phase) {
        TMove move;
        move.pose = TCastPose::Waving(2 * phase);
        return move;
    });
}

std::vector<QImage> Cartwheel()
{
    // One whole turn over the hands, arms stretched up, hopping from the left to the right and back.
    return Moves(TCastMember::Tivadar, ShapesSize, ShapeFrames, 200, [](double phase) {
        TMove move;
        move.pose.leftArm = {165, 0, TCastHand::Open};
        move.pose.rightArm = {165, 0, TCastHand::Open};
        move.pose.mouth = TCastMouth::Grin;
        move.degrees = 360 * phase;
        move.shift = QPointF(-18 * std::cos(Tau * phase), -70 * std::sin(std::numbers::pi * phase) * 0.6 - 30 * Swell(phase));
        return move;
    });
}

std::vector<QImage> FocusPress()
{
    const QSize size = ButtonsPlaces::FocusClip.size();
    const int count = 20;
    const QRectF button(22, 150, 146, 52);
    const QRectF guideBox(45, 4, 100, 140);
    std::vector<QImage> frames;
    for (int i = 0; i < count; ++i) {
        const double phase = double(i) / count;
        const double press = Swell(phase);
        const bool down = press > 0.6;
        QImage frame(size, QImage::Format_RGB32);
        frame.fill(CastPictures::PageColour);
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::Antialiasing);
        // The classic grey button, sunk while it is pressed, with the dotted focus frame.
        const QRectF face = button.translated(down ? 2 : 0, down ? 2 : 0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x40, 0x40, 0x40));
        painter.drawRect(button.adjusted(0, 0, 2, 2));
        painter.setBrush(QColor(0xd4, 0xd0, 0xc8));
        painter.drawRect(face);
        painter.setPen(QPen(down ? QColor(0x80, 0x80, 0x80) : Qt::white, 2));
        painter.drawLine(face.topLeft(), face.topRight());
        painter.drawLine(face.topLeft(), face.bottomLeft());
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(face.adjusted(6, 6, -6, -6));
        painter.setFont(ArtKit::LabelFont(20));
        painter.setPen(Qt::black);
        painter.drawText(face, Qt::AlignCenter, QStringLiteral("OK"));
        if (down)
            for (int s = 0; s < 3; ++s)
                ArtKit::DrawStar(painter, QPointF(30 + s * 65, 132 - (s % 2) * 14), 8, QColor(0xff, 0xd0, 0x30));
        // Nyilacska points down at it and leans in for the press.
        TCastPose pose = TCastPose::Pointing(-90);
        pose.mouth = TCastMouth::Grin;
        pose.bounce = -14 * press;
        PaintCastMember(painter, TCastMember::Nyilacska, pose, guideBox.translated(0, 16 * press));
        painter.end();
        frames.push_back(frame);
    }
    return frames;
}

std::vector<QImage> ActiveHead()
{
    return HeadClip(true);
}

std::vector<QImage> InactiveHead()
{
    return HeadClip(false);
}

std::vector<QImage> PuzzleSolved()
{
    return Moves(TCastMember::Tivadar, ButtonsPlaces::PuzzleClip.size(), 12, 170, [](double phase) {
        const double up = std::sin(std::numbers::pi * phase);
        TMove move;
        move.pose.leftArm = {115 + 25 * up, 10, TCastHand::Open};
        move.pose.rightArm = {115 + 25 * up, 10, TCastHand::Open};
        move.pose.mouth = TCastMouth::Open;
        move.pose.eyebrows = 0.8;
        move.shift = QPointF(0, -34 * up);
        move.scaleY = 1 - 0.08 * (1 - up) * (1 - up);
        return move;
    });
}

} // namespace ButtonsClipsArt
