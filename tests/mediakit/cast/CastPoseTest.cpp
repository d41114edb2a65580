#include "mediakit/cast/Cast.h"
#include "mediakit/cast/CastInk.h"
#include "mediakit/cast/CastPose.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

TEST(CastPoseTest, PointingRaisesTheArmOnTheSideItShowsAndStraightensIt)
{
    const TCastPose right = TCastPose::Pointing(0);
    EXPECT_EQ(right.rightArm.hand, TCastHand::Pointing);
    EXPECT_DOUBLE_EQ(right.rightArm.shoulder, 90);
    EXPECT_DOUBLE_EQ(right.rightArm.elbow, 0);
    EXPECT_NE(right.leftArm.hand, TCastHand::Pointing);
    EXPECT_GT(right.lookX, 0);

    const TCastPose up = TCastPose::Pointing(90);
    EXPECT_DOUBLE_EQ(up.rightArm.shoulder, 180);
    EXPECT_LT(up.lookY, 0) << "the eyes follow the finger upwards";

    const TCastPose left = TCastPose::Pointing(180);
    EXPECT_EQ(left.leftArm.hand, TCastHand::Pointing);
    EXPECT_DOUBLE_EQ(left.leftArm.shoulder, 90);
    EXPECT_LT(left.lookX, 0);

    // Down to the left, however the angle is written.
    for (double direction : {-135.0, 225.0, 585.0}) {
        const TCastPose downLeft = TCastPose::Pointing(direction);
        EXPECT_EQ(downLeft.leftArm.hand, TCastHand::Pointing) << direction;
        EXPECT_NEAR(downLeft.leftArm.shoulder, 45, 1e-9) << direction;
        EXPECT_GT(downLeft.lookY, 0) << direction;
    }
}

TEST(CastPoseTest, GesturesSettleBackToTheirStartAfterOneCycle)
{
    for (double phase : {0.0, 0.3}) {
        const TCastPose nod = TCastPose::Nodding(phase);
        const TCastPose later = TCastPose::Nodding(phase + 1);
        EXPECT_NEAR(nod.headNod, later.headNod, 1e-9);
        EXPECT_NEAR(TCastPose::ShakingHead(phase).headTurn, TCastPose::ShakingHead(phase + 1).headTurn, 1e-9);
        EXPECT_NEAR(TCastPose::Waving(phase).rightArm.elbow, TCastPose::Waving(phase + 1).rightArm.elbow, 1e-9);
        EXPECT_NEAR(TCastPose::Talking(phase).mouthOpen, TCastPose::Talking(phase + 1).mouthOpen, 1e-9);
    }
    // A nod goes down and comes back; a shake goes to both sides.
    EXPECT_DOUBLE_EQ(TCastPose::Nodding(0).headNod, 0);
    EXPECT_GT(TCastPose::Nodding(0.5).headNod, 0.5);
    EXPECT_GT(TCastPose::ShakingHead(0.25).headTurn, 0.5);
    EXPECT_LT(TCastPose::ShakingHead(0.75).headTurn, -0.5);
    // Talking opens and closes the mouth.
    double widest = 0;
    double narrowest = 1;
    for (int i = 0; i < 20; ++i) {
        widest = std::max(widest, TCastPose::Talking(i / 20.0).mouthOpen);
        narrowest = std::min(narrowest, TCastPose::Talking(i / 20.0).mouthOpen);
    }
    EXPECT_GT(widest, 0.6);
    EXPECT_LT(narrowest, 0.1);
}

TEST(CastPoseTest, ArmAnglesCountFromHangingDownTowardsTheArmsOwnSide)
{
    CastInk::TArmStyle style;
    style.upper = 10;
    style.fore = 10;
    const QPointF shoulder(0, 0);
    auto joints = [&](double angle, double elbow, bool right) {
        return CastInk::ArmJoints(shoulder, TCastArm{angle, elbow, TCastHand::Open}, right, style);
    };
    const auto hanging = joints(0, 0, true);
    EXPECT_NEAR(hanging.wrist.x(), 0, 1e-9);
    EXPECT_NEAR(hanging.wrist.y(), 20, 1e-9);
    const auto outRight = joints(90, 0, true);
    EXPECT_NEAR(outRight.wrist.x(), 20, 1e-9);
    const auto outLeft = joints(90, 0, false);
    EXPECT_NEAR(outLeft.wrist.x(), -20, 1e-9);
    const auto raised = joints(180, 0, true);
    EXPECT_NEAR(raised.wrist.y(), -20, 1e-9);
    // The elbow bends further the same way: out sideways, then up.
    const auto waving = joints(90, 90, true);
    EXPECT_NEAR(waving.elbow.x(), 10, 1e-9);
    EXPECT_NEAR(waving.wrist.x(), 10, 1e-9);
    EXPECT_NEAR(waving.wrist.y(), -10, 1e-9);
    EXPECT_NEAR(waving.foreDirection, -M_PI / 2, 1e-9);
}

// The topmost painted row of a hand drawn at the middle of a canvas.
int HandTop(TCastHand hand, double direction)
{
    QImage image(200, 200, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    CastInk::Hand(painter, QPointF(100, 100), direction, hand, true, 20, QColor(0xff, 0xd6, 0xbc), 3);
    painter.end();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128)
                return y;
    return image.height();
}

TEST(CastPoseTest, TheThumbOfAThumbsUpStandsUpWhicheverWayTheForearmRuns)
{
    // Forearm running right, down, left and up to the right: a fist held the same way always
    // reaches clearly less high than the thumbs-up.
    for (double direction : {0.0, M_PI / 2, M_PI, -M_PI / 4})
        EXPECT_LT(HandTop(TCastHand::ThumbUp, direction) + 10, HandTop(TCastHand::Fist, direction)) << direction;
}

TEST(CastPoseTest, TivadarSquatsSitsAndBendsWithHisFeetOnTheGround)
{
    const auto bounds = [](TCastMember who, const std::function<void(TCastPose&)>& change) {
        TCastPose pose = TCastPose::Standing();
        change(pose);
        return CastFigureBounds(who, pose);
    };
    const QRectF standing = bounds(TCastMember::Tivadar, [](TCastPose&) {});
    const QRectF squatting = bounds(TCastMember::Tivadar, [](TCastPose& p) { p.squat = 1; });
    const QRectF sitting = bounds(TCastMember::Tivadar, [](TCastPose& p) { p.sitting = true; });
    const QRectF forward = bounds(TCastMember::Tivadar, [](TCastPose& p) { p.bend = 1; });
    const QRectF back = bounds(TCastMember::Tivadar, [](TCastPose& p) { p.bend = -1; });
    for (const QRectF& posed : {squatting, sitting, forward, back})
        EXPECT_NEAR(posed.bottom(), standing.bottom(), 1);
    // Model units: he stands about 310 tall.
    EXPECT_GT(squatting.top(), standing.top() + 35);
    EXPECT_GT(sitting.top(), standing.top() + 40);
    EXPECT_GT(forward.top(), standing.top() + 60);
    EXPECT_GT(back.top(), standing.top() + 10);
    EXPECT_LT(back.top(), forward.top() - 30);
    // The others keep standing.
    EXPECT_EQ(bounds(TCastMember::Nora, [](TCastPose& p) { p.squat = 1; p.bend = 1; }),
              bounds(TCastMember::Nora, [](TCastPose&) {}));
}

} // namespace
