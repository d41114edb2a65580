#include "MenusClipsArt.h"

#include "MenusGuidesArt.h"
#include "MenusPlaces.h"
#include "MenusTivadarArt.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace MenusClipsArt {

namespace {

constexpr double Tau = 2 * std::numbers::pi;

// A 0 .. 1 .. 0 swell over one cycle, soft at both ends.
double Swell(double phase)
{
    const double s = std::sin(std::numbers::pi * phase);
    return s * s;
}

// One frame of a guide: the pose, and how the whole figure is turned about its middle (degrees,
// clockwise), squeezed across (a turn seen from the front), squashed down onto its feet and
// shifted (pixels).
struct TFrameMove {
    TCastPose pose;
    double degrees = 0;
    double scaleX = 1;
    double scaleY = 1;
    QPointF shift;
};

// Where and how large a guide stands in every frame of a clip.
struct TStage {
    QImage ground;
    TCastMember who;
    QPointF feet;
    double scale;
};

std::vector<QImage> Filmed(const TStage& stage, const std::function<TFrameMove(double phase)>& moveAt,
                           const std::function<void(QPainter&, double phase)>& over = {})
{
    // The standing figure's middle, above the feet: turns and squeezes happen about it.
    const double middle = CastStandingBounds(stage.who).center().y() * stage.scale;
    std::vector<QImage> frames;
    for (int i = 0; i < MenusClipsArt::Frames; ++i) {
        const double phase = double(i) / MenusClipsArt::Frames;
        const TFrameMove move = moveAt(phase);
        QImage frame = stage.ground.copy();
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::Antialiasing);
        // Standing still, the guide is painted exactly as a picture of the same pose is.
        const bool still = move.degrees == 0 && move.scaleX == 1 && move.scaleY == 1 && move.shift.isNull();
        if (!still) {
            painter.translate(stage.feet + move.shift);
            painter.scale(1, move.scaleY);
            painter.translate(0, middle);
            painter.rotate(move.degrees);
            painter.scale(move.scaleX, 1);
            painter.translate(0, -middle);
        }
        PaintCastMemberAt(painter, stage.who, move.pose, still ? stage.feet : QPointF(0, 0), stage.scale);
        painter.resetTransform();
        if (over)
            over(painter, phase);
        painter.end();
        frames.push_back(frame);
    }
    return frames;
}

TCastPose HandsOnHips()
{
    TCastPose pose = TCastPose::Standing();
    pose.leftArm = MenusTivadarArt::Reach(false, QPointF(-38, -110), TCastHand::Relaxed);
    pose.rightArm = MenusTivadarArt::Reach(true, QPointF(38, -110), TCastHand::Relaxed);
    pose.mouth = TCastMouth::Grin;
    return pose;
}

TFrameMove Gymnastics(TExercise exercise, double phase)
{
    const double s = Swell(phase);
    TFrameMove move;
    TCastPose& pose = move.pose;
    const auto side = [](TExercise right, TExercise e) { return e == right ? 1.0 : -1.0; };
    switch (exercise) {
    case TExercise::HeadRight:
    case TExercise::HeadLeft: {
        const double to = side(TExercise::HeadRight, exercise);
        pose = HandsOnHips();
        pose.headTilt = to * 24 * s;
        pose.lookX = to * 0.4 * s;
        pose.eyesOpen = 1 - 0.35 * s;
        break;
    }
    case TExercise::TurnRight:
    case TExercise::TurnLeft: {
        const double to = side(TExercise::TurnRight, exercise);
        pose = HandsOnHips();
        pose.headTurn = to * 0.9 * s;
        pose.lookX = to * s;
        move.scaleX = 1 - 0.42 * s;
        move.shift = QPointF(to * 6 * s, 0);
        break;
    }
    case TExercise::Squat:
        pose.squat = s;
        pose.leftArm = {10 + 80 * s, 6 * (1 - s), TCastHand::Open};
        pose.rightArm = pose.leftArm;
        pose.mouth = TCastMouth::Grin;
        pose.eyebrows = 0.4 * s;
        break;
    case TExercise::BendForward:
        pose.bend = s;
        pose.headNod = 0.9 * s;
        pose.leftArm = {10 - 8 * s, 6 * (1 - s), TCastHand::Open};
        pose.rightArm = pose.leftArm;
        pose.mouth = TCastMouth::Grin;
        break;
    case TExercise::BendBack:
        pose.bend = -s;
        pose.headNod = -s;
        pose.lookY = -s;
        pose.leftArm = {10 + 158 * s, 6 * (1 - s), TCastHand::Open};
        pose.rightArm = pose.leftArm;
        pose.mouth = TCastMouth::Grin;
        pose.eyebrows = 0.5 * s;
        break;
    case TExercise::SideBendRight:
    case TExercise::SideBendLeft: {
        const double to = side(TExercise::SideBendRight, exercise);
        pose.bodyLean = to * 24 * s;
        pose.headTilt = to * 8 * s;
        TCastArm up = {10 + 150 * s, 6 + 22 * s, TCastHand::Open};
        TCastArm down = {10 - 6 * s, 6, TCastHand::Relaxed};
        pose.leftArm = to > 0 ? up : down;
        pose.rightArm = to > 0 ? down : up;
        pose.mouth = TCastMouth::Grin;
        break;
    }
    case TExercise::ArmsUp:
        pose.leftArm = {10 + 160 * s, 6 * (1 - s), TCastHand::Open};
        pose.rightArm = pose.leftArm;
        pose.mouth = TCastMouth::Grin;
        pose.eyebrows = 0.5 * s;
        break;
    }
    return move;
}

} // namespace

std::vector<QImage> Exercise(TExercise exercise)
{
    QImage white(MenusPlaces::Clip, QImage::Format_RGB32);
    white.fill(Qt::white);
    const double scale = 176 / CastStandingBounds(TCastMember::Tivadar).height();
    return Filmed({white, TCastMember::Tivadar, QPointF(100, 194), scale},
                  [exercise](double phase) { return Gymnastics(exercise, phase); });
}

std::vector<QImage> Trick(TCastMember who, TTrick trick)
{
    const TStage stage{MenusGuidesArt::PortraitGround(who), who, QPointF(100, MenusGuidesArt::PortraitFeetY),
                       MenusGuidesArt::PortraitScale(who)};
    const TCastPose start = MenusGuidesArt::PortraitPose();
    switch (trick) {
    case TTrick::Turn:
        // Once round, slowly: seen from the front a turn squeezes the figure, side on to its depth.
        return Filmed(stage, [start](double phase) {
            const double c = std::cos(Tau * phase);
            TFrameMove move;
            move.pose = start;
            move.pose.headTurn = -0.8 * std::sin(Tau * phase);
            move.pose.mirrored = c < 0;
            move.pose.leftArm.shoulder += 24 * Swell(phase);
            move.pose.rightArm.shoulder += 24 * Swell(phase);
            move.scaleX = std::max(0.38, std::abs(c));
            return move;
        });
    case TTrick::Spin:
        // Three quick turns on tiptoe with the arms up, and a swirl round the feet.
        return Filmed(
            stage,
            [start](double phase) {
                const double c = std::cos(3 * Tau * phase);
                const double up = Swell(phase);
                TFrameMove move;
            move.pose = start;
                move.pose.mirrored = c < 0;
                move.pose.headTurn = -0.8 * std::sin(3 * Tau * phase);
                move.pose.leftArm = {10 + 150 * up, 6 + 14 * up, up > 0.3 ? TCastHand::Open : start.leftArm.hand};
                move.pose.rightArm = move.pose.leftArm;
                move.pose.eyebrows = 0.6 * up;
                move.scaleX = std::max(0.38, std::abs(c));
                move.shift = QPointF(0, -10 * up);
                return move;
            },
            [&stage](QPainter& painter, double phase) {
                const double up = Swell(phase);
                painter.setBrush(Qt::NoBrush);
                for (int k = 0; k < 3; ++k) {
                    painter.setPen(QPen(QColor(0x6a, 0x8a, 0xd8, int(170 * up)), 3 - k * 0.6, Qt::SolidLine, Qt::RoundCap));
                    const QRectF ring(stage.feet.x() - 38 - k * 8, stage.feet.y() - 26 - k * 30, 76 + k * 16, 18);
                    painter.drawArc(ring, int((200 + 120 * phase * 3 + k * 40) * 16) % (360 * 16), 130 * 16);
                }
            });
    case TTrick::Somersault:
        // Crouch, spring, roll once round in the air drawn in small, arms stretched, land softly.
        return Filmed(stage, [start](double phase) {
            const double t = std::clamp((phase - 0.15) / 0.7, 0.0, 1.0);
            const double spring = phase < 0.15 ? std::sin(std::numbers::pi * phase / 0.15) : 0;
            const double landing = phase > 0.85 ? std::sin(std::numbers::pi * (phase - 0.85) / 0.15) : 0;
            const double tuck = std::sin(std::numbers::pi * t);
            TFrameMove move;
            move.pose = start;
            move.pose.squat = tuck;
            move.pose.leftArm = {10 + 60 * spring + 160 * tuck, 6 * (1 - tuck),
                                  spring + tuck > 0.3 ? TCastHand::Open : start.leftArm.hand};
            move.pose.rightArm = move.pose.leftArm;
            move.pose.eyebrows = 0.7 * tuck;
            move.degrees = -360 * (t * t * (3 - 2 * t));
            move.scaleX = 1 - 0.28 * tuck;
            move.scaleY = (1 - 0.28 * tuck) * (1 - 0.14 * (spring + landing));
            move.shift = QPointF(0, -30 * tuck);
            return move;
        });
    }
    return {};
}

} // namespace MenusClipsArt
