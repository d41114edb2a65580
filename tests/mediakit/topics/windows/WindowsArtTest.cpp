// What the windows topic's pictures show: the back sign under the to-main area of the desktop,
// whole guides standing in their window pictures (Nóra crouching lower), six different guide
// icons clear of the selection frame, a white "i" on a blue disc, and Nóra waving in a loop.

#include "mediakit/PictureChecks.h"
#include "mediakit/topics/windows/WindowsDesktopArt.h"
#include "mediakit/topics/windows/WindowsGuidesArt.h"

#include <QColor>
#include <gtest/gtest.h>

namespace {

using namespace WindowsGuidesArt;

// The rows and columns holding clearly drawn (mostly opaque) pixels.
QRect Solid(const QImage& image)
{
    QRect solid;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128)
                solid |= QRect(x, y, 1, 1);
    return solid;
}

int Count(const QImage& image, QRect rect, bool (*wanted)(QColor))
{
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += wanted(QColor::fromRgba(image.pixel(x, y)));
    return n;
}

// Nóra's auburn hair and Tivadar's red cap.
bool Auburn(QColor c)
{
    return c.alpha() > 200 && c.hsvHue() >= 12 && c.hsvHue() <= 26 && c.hsvSaturation() > 150 && c.value() > 120;
}
bool CapRed(QColor c)
{
    return c.alpha() > 200 && (c.hsvHue() <= 6 || c.hsvHue() >= 352) && c.hsvSaturation() > 150 && c.value() > 150;
}

} // namespace

TEST(WindowsArt, DesktopHasTheBackSignUnderTheToMainArea)
{
    const QImage desktop = WindowsDesktopArt::Desktop();
    ASSERT_EQ(desktop.size(), QSize(1024, 768));
    PictureChecks::ExpectPaintedUnder(desktop, QRect(896, 648, 97, 49), 20, 45, "Vissza", 20);
}

TEST(WindowsArt, GuidesStandWholeInTheirPicturesOnSeeThroughGround)
{
    const struct {
        const char* name;
        QImage picture;
        QSize size;
        bool (*looks)(QColor);
    } guides[] = {
        {"wnd_v_sz_k", NoraWelcome(), QSize(200, 200), Auburn}, {"wnd_v_f_m", NoraPointingUp(), QSize(201, 201), Auburn},
        {"wnd_v", Nora(), QSize(201, 201), Auburn},             {"wnd_v_ok", NoraOk(), QSize(201, 201), Auburn},
        {"tivadar", Tivadar(), QSize(201, 201), CapRed},
    };
    for (const auto& guide : guides) {
        SCOPED_TRACE(guide.name);
        ASSERT_EQ(guide.picture.size(), guide.size);
        for (const QPoint corner : {QPoint(0, 0), QPoint(guide.size.width() - 1, 0)})
            EXPECT_EQ(qAlpha(guide.picture.pixel(corner)), 0);
        // Feet on the bottom edge, the head near the top: nothing cut off, nothing shrunk.
        const QRect solid = Solid(guide.picture);
        EXPECT_GE(solid.bottom(), guide.size.height() - 6);
        EXPECT_LE(solid.top(), 8);
        EXPECT_GT(Count(guide.picture, QRect(0, 0, guide.size.width(), guide.size.height() / 2), guide.looks), 300);
    }
    // Crouching, Nóra is as wide but clearly lower, her feet still on the ground.
    const QRect standing = Solid(Nora());
    const QRect crouching = Solid(NoraCrouching());
    ASSERT_EQ(NoraCrouching().size(), QSize(201, 201));
    EXPECT_GE(crouching.bottom(), 195);
    EXPECT_GE(crouching.top(), standing.top() + 25);
    EXPECT_GT(Count(NoraCrouching(), QRect(0, 0, 201, 130), Auburn), 300);
}

TEST(WindowsArt, IconsShowSixDifferentGuidesClearOfTheSelectionFrame)
{
    std::vector<QImage> icons;
    for (TCastMember who : AllCastMembers()) {
        SCOPED_TRACE(CastMemberName(who).toStdString());
        const QImage icon = Icon(who);
        ASSERT_EQ(icon.size(), QSize(105, 105));
        // See-through round the guide, with a 3-pixel ring at the edge for the window's frame.
        const QRect solid = Solid(icon);
        EXPECT_TRUE(QRect(3, 3, 99, 99).contains(solid));
        EXPECT_GT(solid.width() * solid.height(), 60 * 60);
        for (const QImage& other : icons)
            EXPECT_NE(icon, other);
        icons.push_back(icon);
    }
    EXPECT_GT(Count(Icon(TCastMember::Nora), QRect(0, 0, 105, 105), Auburn), 400);
    EXPECT_GT(Count(Icon(TCastMember::Tivadar), QRect(0, 0, 105, 105), CapRed), 400);
}

TEST(WindowsArt, InfoSignIsAWhiteIOnABlueDisc)
{
    const QImage info = InfoIcon();
    ASSERT_EQ(info.size(), QSize(32, 32));
    const auto white = [&](int x, int y) { return QColor(info.pixel(x, y)).lightness() > 240; };
    const auto blue = [&](int x, int y) {
        const QColor c = QColor::fromRgba(info.pixel(x, y));
        return c.alpha() == 255 && c.hsvHue() > 205 && c.hsvHue() < 235 && c.hsvSaturation() > 150;
    };
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        EXPECT_EQ(qAlpha(info.pixel(corner)), 0);
    // The dot and the stem down the middle, blue on either side of them.
    EXPECT_TRUE(white(16, 9));
    EXPECT_TRUE(white(16, 18));
    EXPECT_TRUE(white(16, 23));
    EXPECT_FALSE(white(16, 12));
    for (const QPoint side : {QPoint(8, 16), QPoint(24, 16), QPoint(16, 4), QPoint(16, 28)})
        EXPECT_TRUE(blue(side.x(), side.y())) << side.x() << "," << side.y();
}

TEST(WindowsArt, NoraWavesInALoopThatClosesOnItsFirstFrame)
{
    const std::vector<QImage> frames = NoraWaving();
    ASSERT_EQ(frames.size(), 24u);
    EXPECT_EQ(frames.front(), frames.back());
    // The waving hand moves through the upper right while the rest of her stands still.
    const QRect hand(120, 0, 81, 100);
    EXPECT_NE(frames[0].copy(hand), frames[6].copy(hand));
    EXPECT_EQ(frames[0].copy(0, 150, 90, 51), frames[6].copy(0, 150, 90, 51));
    EXPECT_GT(Count(frames[0], QRect(0, 0, 201, 100), Auburn), 300);
}
