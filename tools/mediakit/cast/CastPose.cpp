#include "CastPose.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double Tau = 2 * std::numbers::pi;

// A 0 .. 1 .. 0 swell over one cycle, soft at both ends.
double Swell(double phase)
{
    const double s = std::sin(std::numbers::pi * phase);
    return s * s;
}
} // namespace

TCastPose TCastPose::Standing()
{
    return TCastPose();
}

TCastPose TCastPose::Waving(double phase)
{
    TCastPose pose;
    const double sway = std::sin(Tau * phase);
    pose.rightArm = {100, 60 + 20 * sway, TCastHand::Open};
    pose.leftArm = {12, 10, TCastHand::Relaxed};
    pose.mouth = TCastMouth::Grin;
    pose.headTilt = -5 + 2 * sway;
    pose.bodyLean = -2;
    pose.eyebrows = 0.4;
    pose.tailWag = sway;
    return pose;
}

TCastPose TCastPose::Nodding(double phase)
{
    TCastPose pose;
    const double dip = Swell(phase);
    pose.headNod = 0.85 * dip;
    pose.eyesOpen = 1 - 0.9 * dip;
    pose.mouth = TCastMouth::Grin;
    pose.eyebrows = 0.3;
    return pose;
}

TCastPose TCastPose::ShakingHead(double phase)
{
    TCastPose pose;
    const double turn = std::sin(Tau * phase);
    pose.headTurn = 0.85 * turn;
    pose.headTilt = 3 * turn;
    pose.lookX = 0.6 * turn;
    pose.mouth = TCastMouth::Smile;
    pose.mouthOpen = 0;
    pose.eyebrows = -0.5;
    pose.tailWag = -0.3 * turn;
    return pose;
}

TCastPose TCastPose::ThumbsUp()
{
    TCastPose pose;
    pose.rightArm = {42, 92, TCastHand::ThumbUp};
    pose.leftArm = {14, 8, TCastHand::Relaxed};
    pose.mouth = TCastMouth::Grin;
    pose.headTilt = -6;
    pose.eyebrows = 0.6;
    pose.tailWag = 0.6;
    return pose;
}

TCastPose TCastPose::Pointing(double direction)
{
    TCastPose pose;
    while (direction < -90)
        direction += 360;
    while (direction >= 270)
        direction -= 360;
    const double radians = direction * std::numbers::pi / 180;
    const double towardsRight = std::cos(radians);
    // The arm on the side the finger shows points; its shoulder angle counts from hanging down.
    if (towardsRight >= 0)
        pose.rightArm = {90 + direction, 0, TCastHand::Pointing};
    else
        pose.leftArm = {270 - direction, 0, TCastHand::Pointing};
    pose.headTurn = 0.35 * towardsRight;
    pose.lookX = towardsRight;
    pose.lookY = -std::sin(radians);
    pose.eyebrows = 0.3;
    pose.mouth = TCastMouth::Smile;
    return pose;
}

TCastPose TCastPose::Talking(double phase)
{
    TCastPose pose;
    pose.mouthOpen = std::abs(std::sin(3 * std::numbers::pi * phase)) * (0.75 + 0.25 * std::sin(Tau * phase));
    pose.rightArm = {28 + 8 * std::sin(Tau * phase), 58, TCastHand::Open};
    pose.headTilt = 3 * std::sin(Tau * phase);
    pose.eyebrows = 0.3 + 0.3 * std::sin(Tau * phase);
    return pose;
}

TCastPose TCastPose::Crouching()
{
    TCastPose pose;
    pose.crouching = true;
    // The arms hold the shins.
    pose.leftArm = {28, -62, TCastHand::Relaxed};
    pose.rightArm = pose.leftArm;
    pose.lookY = -0.5;
    pose.eyebrows = 0.5;
    pose.mouth = TCastMouth::Grin;
    return pose;
}
