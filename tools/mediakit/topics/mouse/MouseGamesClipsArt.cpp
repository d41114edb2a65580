#include "MouseGamesClipsArt.h"

#include "MouseGamesPicturesArt.h"
#include "MouseGamesPlaces.h"
#include "mediakit/ArtKit.h"
#include "mediakit/cast/CastPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace MouseGamesClipsArt {

namespace {

using MouseGamesPicturesArt::TMouseButton;

// A yellow burst with a word in it, centred on centre, grown by size (0 .. 1).
void DrawBurst(QPainter& p, QPointF centre, qreal size, const QString& word)
{
    if (size <= 0)
        return;
    p.save();
    p.translate(centre);
    p.scale(size, size);
    QPolygonF star;
    for (int i = 0; i < 16; ++i) {
        const qreal r = i % 2 ? 22 : 34;
        const qreal a = i * std::numbers::pi / 8;
        star << QPointF(r * std::cos(a) * 1.3, r * std::sin(a));
    }
    p.setPen(QPen(QColor(0xd0, 0x80, 0x00), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xff, 0xe0, 0x40));
    p.drawPolygon(star);
    p.setPen(QColor(0xc0, 0x20, 0x20));
    p.setFont(ArtKit::LabelFont(17));
    p.drawText(QRectF(-40, -14, 80, 28), Qt::AlignCenter, word);
    p.restore();
}

} // namespace

std::vector<QImage> RightClickClip()
{
    return ArtKit::DrawnFrames(MouseGamesPlaces::Clip, RightClickFrames, CastPictures::PageColour, [](QPainter& p, int i) {
        // Held from the fourth to the ninth frame, the burst growing while it is held.
        const bool held = i >= 4 && i <= 9;
        TCastPose pose = TCastPose::Pointing(-10);
        pose.mouth = held ? TCastMouth::Open : TCastMouth::Smile;
        pose.bounce = held ? 2 : 0;
        PaintCastMember(p, TCastMember::Nyilacska, pose, QRectF(4, 20, 100, 136));
        MouseGamesPicturesArt::DrawComputerMouse(p, QRectF(132, 22, 74, 130), held ? TMouseButton::Right : TMouseButton::None);
        if (held)
            DrawBurst(p, QPointF(196, 30), std::min(1.0, 0.5 + 0.15 * (i - 4)), QStringLiteral("katt"));
    });
}

std::vector<QImage> DoubleClickClip()
{
    return ArtKit::DrawnFrames(MouseGamesPlaces::Clip, DoubleClickFrames, CastPictures::PageColour, [](QPainter& p, int i) {
        // Two quick clicks, each two frames long with one frame between, then a rest.
        const bool first = i >= 6 && i <= 7;
        const bool second = i >= 9 && i <= 10;
        MouseGamesPicturesArt::DrawComputerMouse(p, QRectF(78, 20, 74, 134),
                                                 first || second ? TMouseButton::Left : TMouseButton::None);
        if (i >= 6 && i <= 18)
            DrawBurst(p, QPointF(42, 40), 0.8, QStringLiteral("katt"));
        if (i >= 9 && i <= 18)
            DrawBurst(p, QPointF(190, 40), 0.8, QStringLiteral("katt"));
    });
}

std::vector<QImage> GuideJumpClip(TCastMember who)
{
    // One jump over the clip: up and down once while waving, standing at both ends.
    return CastPictures::CastClip(
        who,
        [](double phase) {
            TCastPose pose = phase <= 0 || phase >= 1 ? TCastPose::Standing() : TCastPose::Waving(2 * phase);
            const double lift = std::sin(std::numbers::pi * phase);
            pose.bounce = 45 * lift;
            pose.mouth = lift > 0.2 ? TCastMouth::Grin : TCastMouth::Smile;
            pose.tailWag = std::sin(4 * std::numbers::pi * phase);
            return pose;
        },
        1, MouseGamesPlaces::Clip, GuideFrames);
}

} // namespace MouseGamesClipsArt
