#include "topics/mouse/MarginMove.h"

#include <gtest/gtest.h>

namespace {

using MarginMove::Follow;

TEST(MarginMoveTest, ClearOfTheMarginThePictureFollowsThePointer)
{
    const auto move = Follow(QRect(300, 200, 168, 251), QPoint(250, 400), 10);
    EXPECT_TRUE(move.free);
    EXPECT_EQ(move.topLeft, QPoint(250, 400));
    // One pixel inside the margin on the left is no longer clear.
    EXPECT_FALSE(Follow(QRect(10, 200, 168, 251), QPoint(50, 200), 10).free);
    // The ball's margin is 20: at left 20 it is touching.
    EXPECT_FALSE(Follow(QRect(20, 300, 103, 103), QPoint(40, 300), 20).free);
    EXPECT_TRUE(Follow(QRect(21, 300, 103, 103), QPoint(0, 300), 20).free);
}

TEST(MarginMoveTest, AtTheRightMarginOnlyLeftwards)
{
    // Right edge 1014 + 10 = 1024 touches the right margin.
    const QRect picture(846, 300, 168, 251);
    EXPECT_EQ(Follow(picture, QPoint(800, 300), 10).topLeft, QPoint(800, 300));
    EXPECT_EQ(Follow(picture, QPoint(900, 300), 10).topLeft, QPoint(846, 300));
    // Moving down along the right margin is refused until the picture is clear of it.
    EXPECT_EQ(Follow(picture, QPoint(846, 350), 10).topLeft, QPoint(846, 300));
    EXPECT_EQ(Follow(picture, QPoint(830, 350), 10).topLeft, QPoint(830, 300));
}

TEST(MarginMoveTest, AtTheLeftAndTopMarginsOnlyPastTheMargin)
{
    const QRect picture(5, 5, 168, 251);
    EXPECT_EQ(Follow(picture, QPoint(11, 11), 10).topLeft, QPoint(11, 11));
    EXPECT_EQ(Follow(picture, QPoint(10, 10), 10).topLeft, QPoint(5, 5));
    EXPECT_EQ(Follow(picture, QPoint(0, 30), 10).topLeft, QPoint(5, 30));
}

TEST(MarginMoveTest, AtTheBottomMarginOnlyUpwards)
{
    // Ball at the floor: bottom 665 + 103 = 768.
    const QRect ball(400, 665, 103, 103);
    EXPECT_EQ(Follow(ball, QPoint(400, 600), 20).topLeft, QPoint(400, 600));
    EXPECT_EQ(Follow(ball, QPoint(400, 700), 20).topLeft, QPoint(400, 665));
    // In a corner both rules apply: right and bottom touched, up and left allowed together.
    const QRect corner(901, 645, 103, 103);
    EXPECT_EQ(Follow(corner, QPoint(850, 600), 20).topLeft, QPoint(850, 600));
    EXPECT_EQ(Follow(corner, QPoint(950, 700), 20).topLeft, QPoint(901, 645));
}

TEST(MarginMoveTest, ALongJumpStopsAtThePageEdge)
{
    // A fast pointer asks a ball clear of the margins to go past the right edge, or out on the band
    // beside the page: it stops whole on the page, its right edge at 1024.
    EXPECT_EQ(Follow(QRect(800, 300, 103, 103), QPoint(1150, 300), 20).topLeft, QPoint(921, 300));
    EXPECT_EQ(Follow(QRect(500, 300, 103, 103), QPoint(-260, -90), 20).topLeft, QPoint(0, 0));
    // From the left margin a jump to the right is allowed, but not past the page either.
    EXPECT_EQ(Follow(QRect(10, 300, 103, 103), QPoint(1400, 300), 20).topLeft, QPoint(921, 300));
    // From the floor upwards past the top.
    EXPECT_EQ(Follow(QRect(400, 665, 103, 103), QPoint(400, -50), 20).topLeft, QPoint(400, 0));
}

} // namespace
