// What the lists topic's pictures show: back signs under the back area, calm writing areas where
// the pages' blue, black and green text reads, the guides standing over their name labels, the
// lists' headings above them, the TV answer marked, red Ctrl keys, the paper under the paper
// label and Tárolka's sour cream.

#include "mediakit/PictureChecks.h"
#include "mediakit/topics/lists/ListsClipsArt.h"
#include "mediakit/topics/lists/ListsPicturesArt.h"
#include "mediakit/topics/lists/ListsScreensArt.h"
#include "topics/lists/ListNamePlaces.h"

#include <QColor>
#include <functional>
#include <gtest/gtest.h>

using PictureChecks::ExpectPaintedUnder;
using PictureChecks::LeastContrast;

namespace {

const QRgb Blue = qRgb(0, 0, 255);
const QRgb Black = qRgb(0, 0, 0);

int Count(const QImage& image, QRect rect, const std::function<bool(QColor)>& test)
{
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += test(QColor(image.pixel(x, y)));
    return n;
}

bool Vivid(QColor c)
{
    return c.hsvSaturation() > 90 && c.value() > 60;
}

// A figure's colours or its dark outline, against the light backdrop.
bool Drawn(QColor c)
{
    return Vivid(c) || c.value() < 170;
}

bool Red(QColor c)
{
    return c.hsvSaturation() > 150 && c.value() > 150 && (c.hsvHue() < 12 || c.hsvHue() > 348);
}

} // namespace

TEST(ListsArt, EveryPageHasItsBackSignUnderTheBackAreaAndReadableWritingAreas)
{
    const struct {
        const char* name;
        QImage page;
        std::vector<std::pair<QRect, QRgb>> writing;
    } pages[] = {
        {"names", ListsScreensArt::NamesScreen(), {{QRect(32, 36, 960, 204), Blue}}},
        {"food", ListsScreensArt::FoodScreen(), {{QRect(32, 36, 960, 126), Blue}, {QRect(360, 240, 420, 260), Black}}},
        {"tv", ListsScreensArt::TvScreen(), {{QRect(32, 36, 960, 128), Blue}, {QRect(16, 556, 992, 48), Black}}},
        {"units", ListsScreensArt::UnitsScreen(), {{QRect(32, 36, 960, 180), Blue}}},
        {"birds", ListsScreensArt::BirdsScreen(),
         {{QRect(32, 530, 840, 110), Blue}, {QRect(792, 312, 216, 180), qRgb(0, 128, 0)}}},
        {"combo", ListsScreensArt::ComboScreen(), {{QRect(32, 36, 960, 180), Blue}}},
        {"reflex", ListsScreensArt::ReflexScreen(),
         {{QRect(96, 592, 745, 81), Blue}, {QRect(208, 136, 481, 25), Black}, {QRect(744, 136, 96, 28), Blue}}},
        {"editable", ListsScreensArt::EditableScreen(),
         {{QRect(104, 592, 729, 97), Blue}, {QRect(384, 112, 329, 57), Black}, {QRect(736, 248, 257, 277), Black}}},
    };
    for (const auto& page : pages) {
        SCOPED_TRACE(page.name);
        ASSERT_EQ(page.page.size(), QSize(1024, 768));
        ExpectPaintedUnder(page.page, QRect(896, 648, 97, 49), 20, 45, "Vissza", 20);
        for (const auto& [rect, colour] : page.writing)
            EXPECT_GE(LeastContrast(page.page, rect, colour), 4.5) << rect.x() << "," << rect.y();
    }
}

TEST(ListsArt, NamesPageStandsEachGuideOverItsLabelInTheOrderTheLabelsName)
{
    const QImage page = ListsScreensArt::NamesScreen();
    const char* order[] = {"Tárolka", "Nyilacska", "Lemezke", "Kábel Ödön", "Pixeles Tivadar", "Digit Nóra"};
    ASSERT_EQ(ListNamePlaces::Guides.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        const auto& guide = ListNamePlaces::Guides[i];
        SCOPED_TRACE(order[i]);
        EXPECT_STREQ(guide.name, order[i]);
        // A figure right above the label, centred over it, and a calm plate for the blue name.
        const QRect above(guide.label.left(), guide.label.top() - 90, guide.label.width(), 88);
        EXPECT_GT(Count(page, above, Drawn), above.width() * above.height() / 12);
        EXPECT_GE(LeastContrast(page, guide.label.adjusted(4, 3, -4, -3), Blue), 4.5);
        // Nothing of a figure spills onto its neighbour's label or the list.
        EXPECT_FALSE(guide.label.intersects(QRect(360, 256, 153, 180)));
    }
    // The list stands between the two groups, and the instruction above them, clear of every figure.
    EXPECT_EQ(Count(page, QRect(360, 446, 153, 100), Drawn), 0);
    EXPECT_EQ(Count(page, QRect(32, 36, 960, 204), Drawn), 0);
}

TEST(ListsArt, UnitsAndBirdsListsAreHeadedRightAboveThem)
{
    const auto headingInk = [](QColor c) { return c.hsvHue() > 205 && c.hsvHue() < 230 && c.hsvSaturation() > 120 && c.value() < 200; };
    const QImage units = ListsScreensArt::UnitsScreen();
    for (const QRect list : {QRect(80, 320, 153, 114), QRect(352, 320, 153, 114), QRect(656, 320, 153, 114)}) {
        SCOPED_TRACE(list.x());
        EXPECT_GT(Count(units, QRect(list.left(), list.top() - 42, list.width(), 34), headingInk), 60);
    }
    const QImage birds = ListsScreensArt::BirdsScreen();
    for (const QRect list : {QRect(80, 256, 153, 202), QRect(616, 256, 153, 202)}) {
        SCOPED_TRACE(list.x());
        EXPECT_GT(Count(birds, QRect(list.left(), list.top() - 50, list.width(), 42), headingInk), 40);
    }
}

TEST(ListsArt, TvGuideRingsTheMiaSatShowAtFiveToSixOnly)
{
    const QImage tv = ListsScreensArt::TvScreen();
    // The ring's left edge runs down beside MiaSat's 17:55 and nowhere else in that column.
    EXPECT_GT(Count(tv, QRect(511, 340, 5, 40), Red), 60);
    EXPECT_EQ(Count(tv, QRect(511, 400, 5, 120), Red), 0);
    EXPECT_EQ(Count(tv, QRect(309, 340, 5, 40), Red), 0);
}

TEST(ListsArt, KeyboardPictureHasBothCtrlKeysRedAndNothingElse)
{
    const QImage keyboard = ListsPicturesArt::CtrlKeyboard();
    ASSERT_EQ(keyboard.size(), QSize(425, 67));
    // The Shift and Ctrl rows to the arrows, unstretched: see-through above and below them.
    EXPECT_EQ(qAlpha(keyboard.pixel(212, 2)), 0);
    EXPECT_EQ(qAlpha(keyboard.pixel(212, 64)), 0);
    EXPECT_EQ(qAlpha(keyboard.pixel(212, 33)), 255);
    // Left Ctrl at the bottom left, right Ctrl at the main block's bottom right.
    EXPECT_GT(Count(keyboard, QRect(6, 32, 32, 20), Red), 60);
    EXPECT_GT(Count(keyboard, QRect(313, 32, 32, 20), Red), 60);
    EXPECT_EQ(Count(keyboard, QRect(0, 0, 425, 32), Red), 0);
    EXPECT_EQ(Count(keyboard, QRect(40, 32, 270, 20), Red), 0);
    EXPECT_EQ(Count(keyboard, QRect(347, 32, 78, 20), Red), 0);
}

TEST(ListsArt, StartTitleIsAButtonSeeThroughAtItsCorners)
{
    const QImage start = ListsPicturesArt::StartTitle();
    ASSERT_EQ(start.size(), QSize(285, 80));
    EXPECT_EQ(qAlpha(start.pixel(1, 1)), 0);
    EXPECT_EQ(qAlpha(start.pixel(283, 1)), 0);
    EXPECT_EQ(qAlpha(start.pixel(142, 40)), 255);
}

TEST(ListsArt, FoodClipShowsTheSourCreamBesideTarolkaOnEveryFrame)
{
    // The pot's blue "Tejföl" label stays in the upper right, clear of Tárolka on the left.
    const auto labelBlue = [](QColor c) { return c.hsvHue() > 205 && c.hsvHue() < 225 && c.hsvSaturation() > 130; };
    for (const QImage& frame : ListsClipsArt::FoodClip()) {
        EXPECT_GT(Count(frame, QRect(140, 40, 100, 130), labelBlue), 800);
        EXPECT_EQ(Count(frame, QRect(0, 0, 120, 320), labelBlue), 0);
    }
}

TEST(ListsArt, EditablePageHangsAPaperUnderThePaperLabel)
{
    const QImage page = ListsScreensArt::EditableScreen();
    const auto paper = [](QColor c) { return c.red() > 250 && c.green() > 246 && c.blue() > 234 && c.blue() < 246; };
    const QRect label(384, 112, 329, 57);
    EXPECT_EQ(Count(page, label, paper), label.width() * label.height());
    // The board shows round it, so the paper stands out from the page.
    EXPECT_GT(Count(page, QRect(384, 90, 329, 6), [](QColor c) { return c.hsvHue() > 20 && c.hsvHue() < 40 && c.hsvSaturation() > 80; }), 1500);
}
