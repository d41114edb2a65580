#include "mediakit/desktop/AppIcon.h"

#include <QColor>
#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

int DarkPixels(const QImage& image, const QRect& area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 100 && qAlpha(image.pixel(x, y)) > 200;
    return dark;
}

TEST(AppIconTest, EverySizeIsASquareTileWithATransparentSurroundAndALetterOnIt)
{
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage icon = AppIcon::Draw(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0) << size;
        // The tile is opaque along its middle, and the letter's dark strokes stand on the key.
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size * 3 / 4)), 255) << size;
        EXPECT_GT(DarkPixels(icon, QRect(0, size / 4, size * 3 / 4, size * 3 / 4 - 1)), size / 2) << size;
    }
}

TEST(AppIconTest, TheGuidePeeksOnlyWhereThereIsRoomForAFace)
{
    // Nyilacska is white (the key is pink): from 48 pixels up the upper right corner turns white.
    auto lightInCorner = [](int size) {
        const QImage icon = AppIcon::Draw(size);
        int light = 0;
        for (int y = size / 8; y < size * 3 / 8; ++y)
            for (int x = size * 5 / 8; x < size * 7 / 8; ++x)
            {
                const QColor colour = icon.pixelColor(x, y);
                light += std::min({colour.red(), colour.green(), colour.blue()}) > 235 && colour.alpha() == 255;
            }
        return light;
    };
    EXPECT_EQ(lightInCorner(32), 0);
    EXPECT_GT(lightInCorner(48), 48 * 48 / 64);
    EXPECT_GT(lightInCorner(256), 256 * 256 / 64);
}

} // namespace
