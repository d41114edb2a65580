// What the summary topic's pictures show where the pages put them: the back signs under the back
// areas, the bare light page where tables, controls, the clip and the clock stand, the title in
// the band above; portraits framed like the tab pages' and see-through round the frame; a board
// standing free; icons drawn in whole pixels.

#include "mediakit/ArtKit.h"
#include "mediakit/PictureChecks.h"
#include "mediakit/TopicStyle.h"
#include "mediakit/topics/panels/PanelsPicturesArt.h"
#include "mediakit/topics/summary/SummaryPicturesArt.h"
#include "mediakit/topics/summary/SummaryScreensArt.h"

#include <QColor>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using PictureChecks::Count;

bool Opaque(const QColor& c)
{
    return c.alpha() == 255;
}
bool Drawn(const QColor& c)
{
    return c.alpha() > 0;
}
// Partly see-through: what a smeared, scaled-down drawing leaves on its edges.
bool Partial(const QColor& c)
{
    return c.alpha() > 0 && c.alpha() < 255;
}
// The page titles' blue.
bool HeadingBlue(const QColor& c)
{
    return c.hsvHue() >= 210 && c.hsvHue() <= 225 && c.hsvSaturation() > 120 && c.value() > 120 && c.value() < 200;
}

// The pixels of rect that differ from the same pixels of the other picture.
int Differing(const QImage& a, const QImage& b, QRect rect)
{
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

const double OnPageGrey = PictureChecks::Contrast(qRgb(0xdd, 0xdd, 0xdd), qRgb(0, 0, 255));

TEST(SummaryArt, EachBackgroundHasItsBackSignUnderTheBackArea)
{
    const struct {
        const char* what;
        QImage page;
        QRect back;
    } pages[] = {
        {"keyboard review, imgToMenu", SummaryScreensArt::ReviewScreen(), QRect(896, 648, 97, 49)},
        {"shared, vissza", SummaryScreensArt::SharedScreen(), QRect(892, 644, 100, 55)},
        {"detective and menus, vissza", SummaryScreensArt::SearchScreen(), QRect(892, 644, 100, 55)},
    };
    for (const auto& page : pages) {
        SCOPED_TRACE(page.what);
        ASSERT_EQ(page.page.size(), QSize(1024, 768));
        PictureChecks::ExpectPaintedUnder(page.page, page.back, 20, 45, "Vissza", 20);
    }
}

TEST(SummaryArt, TablesControlsClipAndClockStandOnTheBarePage)
{
    // Nothing but the topic's festive page where the pages put their own things.
    const QImage bare = ArtKit::FestivePage(TopicStyle::Accent(QStringLiteral("OSSZEFOGL")));
    const QImage shared = SummaryScreensArt::SharedScreen();
    const QImage search = SummaryScreensArt::SearchScreen();
    const QImage review = SummaryScreensArt::ReviewScreen();
    const struct {
        const char* what;
        const QImage& page;
        QRect rect;
    } rooms[] = {
        {"the keyboard review's Tovább", review, QRect(384, 728, 75, 25)},
        {"tables and controls", shared, QRect(40, 80, 820, 660)},
        {"Odon's clip", shared, QRect(862, 106, 160, 320)},
        {"the column down to the back sign", shared, QRect(862, 426, 162, 40)},
        {"practice window", search, QRect(100, 120, 740, 635)},
        {"clock labels", search, QRect(864, 184, 153, 90)},
        {"left of the dialog", search, QRect(0, 100, 100, 560)},
    };
    for (const auto& room : rooms)
        EXPECT_EQ(Differing(room.page, bare, room.rect), 0) << room.what;
}

TEST(SummaryArt, TheKeyboardReviewsTableRoomIsLightPlainAndItsTitleStaysAboveIt)
{
    const QImage review = SummaryScreensArt::ReviewScreen();
    const QRect room(40, 100, 820, 600);
    EXPECT_GE(PictureChecks::LeastContrast(review, room, qRgb(0, 0, 255)), OnPageGrey);
    // Plain: the card under the table is one light shade give or take the page's faint dots.
    int darkest = 255;
    int lightest = 0;
    for (int y = room.top(); y <= room.bottom(); ++y)
        for (int x = room.left(); x <= room.right(); ++x) {
            const int lightness = QColor(review.pixel(x, y)).lightness();
            darkest = std::min(darkest, lightness);
            lightest = std::max(lightest, lightness);
        }
    EXPECT_LE(lightest - darkest, 16);

    for (const QImage& page : {review, SummaryScreensArt::SearchScreen()}) {
        // Below the bunting and left of the right-hand column, which have blues of their own.
        const QRect title = PictureChecks::Area(page, QRect(0, 30, 860, 738), HeadingBlue);
        ASSERT_FALSE(title.isEmpty());
        EXPECT_LT(title.bottom(), 98) << "above the rooms";
        EXPECT_GT(title.width(), 200);
    }
}

TEST(SummaryArt, PortraitsAreTheTabPagesSceneSeeThroughOutsideTheFrame)
{
    const QImage tab = PanelsPicturesArt::TabGuide(TCastMember::Nora);
    for (const TCastMember who : {TCastMember::Tivadar, TCastMember::Nora, TCastMember::Tarolka}) {
        SCOPED_TRACE(int(who));
        const QImage portrait = SummaryPicturesArt::Portrait(who);
        ASSERT_EQ(portrait.size(), QSize(174, 124));
        for (const QPoint corner : {QPoint(0, 0), QPoint(173, 0), QPoint(0, 123), QPoint(173, 123)})
            EXPECT_EQ(qAlpha(portrait.pixel(corner)), 0) << corner.x() << "," << corner.y();
        // The same frame, sky and grass as the tab pages' portraits.
        for (const QPoint on : {QPoint(87, 2), QPoint(2, 62), QPoint(12, 20), QPoint(12, 110)})
            EXPECT_EQ(portrait.pixel(on), tab.pixel(on)) << on.x() << "," << on.y();
        // Everything inside the frame is solid, the guide filling much of it.
        EXPECT_EQ(Count(portrait, QRect(8, 8, 158, 108), Opaque), 158 * 108);
        EXPECT_GT(Differing(portrait, tab, QRect(20, 8, 134, 104)), 2000);
    }
    EXPECT_EQ(qAlpha(tab.pixel(0, 0)), 255) << "the tab pages keep their sheet's grey round the frame";
    // Tárolka is the orange box.
    const auto orange = [](const QColor& c) {
        return c.hsvHue() >= 25 && c.hsvHue() <= 38 && c.hsvSaturation() > 150 && c.value() > 220;
    };
    EXPECT_GT(Count(SummaryPicturesArt::Portrait(TCastMember::Tarolka), QRect(0, 0, 174, 124), orange), 1500);
}

TEST(SummaryArt, TheBoardStandsFreeOnItsEasel)
{
    const QImage board = SummaryPicturesArt::Board();
    ASSERT_EQ(board.size(), QSize(284, 340));
    for (const QPoint corner : {QPoint(0, 0), QPoint(283, 0), QPoint(0, 339), QPoint(283, 339)})
        EXPECT_EQ(qAlpha(board.pixel(corner)), 0) << corner.x() << "," << corner.y();
    // A dark green slate across the top, the wooden legs reaching the bottom with the page
    // showing between them.
    const auto slate = [](const QColor& c) {
        return c.alpha() == 255 && c.hsvHue() >= 140 && c.hsvHue() <= 165 && c.value() < 110;
    };
    EXPECT_GT(Count(board, QRect(20, 40, 244, 170), slate), 20000);
    EXPECT_GT(Count(board, QRect(0, 320, 284, 20), Opaque), 150);
    EXPECT_EQ(Count(board, QRect(64, 300, 60, 20), Drawn), 0);
    EXPECT_EQ(Count(board, QRect(160, 300, 60, 20), Drawn), 0);
    // Chalk on it.
    const auto chalk = [](const QColor& c) { return c.lightness() > 200 && c.hsvSaturation() < 40; };
    EXPECT_GT(Count(board, QRect(24, 42, 236, 166), chalk), 800);
}

TEST(SummaryArt, TheToolBarIconsAreDrawnInWholePixels)
{
    const QImage folder = SummaryPicturesArt::FolderIcon();
    const QImage calculator = SummaryPicturesArt::CalculatorIcon();
    for (const QImage& icon : {folder, calculator}) {
        ASSERT_EQ(icon.size(), QSize(16, 16));
        EXPECT_EQ(Count(icon, icon.rect(), Partial), 0);
        EXPECT_GT(Count(icon, icon.rect(), Opaque), 120);
        EXPECT_LT(Count(icon, icon.rect(), Opaque), 256) << "see-through round the drawing";
    }
    const auto yellow = [](const QColor& c) {
        return c.alpha() == 255 && c.hsvHue() >= 36 && c.hsvHue() <= 52 && c.hsvSaturation() > 110 && c.value() > 200;
    };
    EXPECT_GT(Count(folder, folder.rect(), yellow), 256 / 3);
    EXPECT_EQ(Count(calculator, calculator.rect(), yellow), 0);
}

} // namespace
