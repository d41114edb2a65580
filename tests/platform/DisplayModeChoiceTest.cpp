#include "platform/DisplayModeChoice.h"
#include "platform/FixedDisplayModes.h"

#include <gtest/gtest.h>

namespace {

std::optional<TDisplayMode> Choose(std::vector<TDisplayMode> modes)
{
    return DisplayModeChoice::Choose(TFixedDisplayModes(std::move(modes)), 1024, 768);
}

TEST(DisplayModeChoice, TakesTheDeepestDepthAndFastestRate)
{
    const auto chosen = Choose({{1024, 768, 16, 60}, {1024, 768, 16, 75}, {1024, 768, 32, 60}, {1024, 768, 32, 75}});
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->bitsPerPixel, 32);
    EXPECT_EQ(chosen->refreshRate, 75u);
}

TEST(DisplayModeChoice, RefusesSlowShallowAndOtherSizes)
{
    EXPECT_FALSE(Choose({{1024, 768, 32, 56}}));
    EXPECT_FALSE(Choose({{1024, 768, 8, 75}}));
    EXPECT_FALSE(Choose({{1024, 768, 32, 0}, {1024, 768, 32, 1}})); // hardware defaults
    EXPECT_FALSE(Choose({{1280, 1024, 32, 75}, {800, 600, 32, 60}}));
    EXPECT_FALSE(Choose({}));
}

TEST(DisplayModeChoice, RisingThresholdSkipsSlowerModesListedLater)
{
    // After 75 Hz is accepted a later 60 Hz mode no longer counts, even with more bits.
    const auto chosen = Choose({{1024, 768, 16, 75}, {1024, 768, 32, 60}});
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->bitsPerPixel, 16);
    EXPECT_EQ(chosen->refreshRate, 75u);
}

TEST(DisplayModeChoice, SetDisplayModeAppliesOrRaises)
{
    TFixedDisplayModes good({{1024, 768, 24, 60}});
    DisplayModeChoice::SetDisplayMode(good, 1024, 768);
    ASSERT_TRUE(good.Applied());
    EXPECT_EQ(*good.Applied(), (TDisplayMode{1024, 768, 24, 60}));

    TFixedDisplayModes bad({{1024, 768, 32, 56}});
    try {
        DisplayModeChoice::SetDisplayMode(bad, 1024, 768);
        FAIL() << "no error raised";
    } catch (const std::exception& error) {
        EXPECT_EQ(QString::fromUtf8(error.what()), DisplayModeChoice::UnsuitableText);
    }
    EXPECT_FALSE(bad.Applied());
}

} // namespace
