#include "mediakit/cast/CastPictures.h"

#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

const QRgb PageColour = CastPictures::PageColour.rgb();

bool CornersAreClear(const QImage& image)
{
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    for (const QPoint& corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
        if (qAlpha(image.pixel(corner)) != 0)
            return false;
    return true;
}

double CoveredShare(const QImage& image)
{
    int covered = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            covered += qAlpha(image.pixel(x, y)) == 255;
    return double(covered) / (image.width() * image.height());
}

int Differing(const QImage& a, const QImage& b, int fromRow = 0)
{
    int count = 0;
    for (int y = fromRow; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

TEST(CastPicturesTest, TheGroupPictureIsSeeThroughRoundTheGuidesAndCutsNoneOff)
{
    const QImage together = CastPictures::Together();
    ASSERT_EQ(together.size(), QSize(430, 321));
    EXPECT_TRUE(together.hasAlphaChannel());
    EXPECT_TRUE(CornersAreClear(together));
    EXPECT_GT(CoveredShare(together), 0.3);
    // Nobody is cut by the left, top or right edge (the feet may touch the bottom).
    for (int y = 0; y < together.height(); ++y) {
        EXPECT_LT(qAlpha(together.pixel(0, y)), 128) << "left edge, row " << y;
        EXPECT_LT(qAlpha(together.pixel(together.width() - 1, y)), 128) << "right edge, row " << y;
    }
    for (int x = 0; x < together.width(); ++x)
        EXPECT_EQ(qAlpha(together.pixel(x, 0)), 0) << "top edge, column " << x;
}

TEST(CastPicturesTest, NorasHeadFitsUnderTheChoosersSavedBackground)
{
    const QImage head = CastPictures::NoraHead();
    EXPECT_LE(head.width(), 131);
    EXPECT_LE(head.height(), 75);
    EXPECT_TRUE(head.hasAlphaChannel());
    EXPECT_TRUE(CornersAreClear(head));
    EXPECT_GT(CoveredShare(head), 0.4);
}

TEST(CastPicturesTest, OdonsPictureHasTheGradePagesSize)
{
    const QImage odon = CastPictures::OdonGreeting();
    EXPECT_EQ(odon.size(), QSize(234, 261));
    EXPECT_TRUE(CornersAreClear(odon));
    EXPECT_GT(CoveredShare(odon), 0.2);
}

TEST(CastPicturesTest, ClipsLoopOnTheKeyColourAndKeepTheFigureStanding)
{
    for (const auto& frames : {CastPictures::OdonNodding(), CastPictures::OdonShakingHead(), CastPictures::OdonWaving()}) {
        ASSERT_EQ(frames.size(), 24u) << "the letter hunt plays frames 1 to 24";
        const QImage& first = frames.front();
        EXPECT_EQ(first.size(), QSize(160, 320));
        EXPECT_EQ(Differing(first, frames.back()), 0) << "the last frame closes the loop";
        int moving = 0;
        for (const QImage& frame : frames) {
            ASSERT_EQ(frame.size(), first.size());
            EXPECT_EQ(frame.pixel(0, 0), PageColour) << "the player keys out the top-left colour";
            // The legs do not move, so the figure neither drifts nor changes size.
            EXPECT_EQ(Differing(first, frame, 260), 0);
            moving = std::max(moving, Differing(first, frame));
        }
        EXPECT_GT(moving, 300) << "the clip shows a movement";
        // Ödön fills the clip's height: little is left empty above him.
        int top = 0;
        auto emptyRow = [&](int y) {
            for (int x = 0; x < first.width(); ++x)
                if (first.pixel(x, y) != PageColour)
                    return false;
            return true;
        };
        while (top < first.height() && emptyRow(top))
            ++top;
        EXPECT_LT(top, 40);
    }
}

TEST(CastPicturesTest, AnyGuideCanMoveInAClipOfAnySizeOnAnyKeyColour)
{
    const QColor magenta(255, 0, 255);
    const auto frames = CastPictures::CastClip(TCastMember::Lemezke, TCastPose::Waving, 1, QSize(201, 201), 12, magenta);
    ASSERT_EQ(frames.size(), 12u);
    for (const QImage& frame : frames) {
        EXPECT_EQ(frame.size(), QSize(201, 201));
        EXPECT_EQ(frame.pixel(0, 0), magenta.rgb());
        EXPECT_EQ(frame.pixel(200, 0), magenta.rgb());
    }
    EXPECT_EQ(Differing(frames.front(), frames.back()), 0);
    EXPECT_GT(Differing(frames.front(), frames[3]), 100) << "the paw and the tail move";
}

} // namespace
