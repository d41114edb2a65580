// What the panels topic's pictures show: back signs under the back area and a clock that reads,
// the car the settings describe, road signs on their posts, card faces that keep below the title
// strip and tell apart at a glance, and dialog icons drawn like the message dialog's.

#include "mediakit/PictureChecks.h"
#include "mediakit/topics/panels/CarArt.h"
#include "mediakit/topics/panels/DialogIconsArt.h"
#include "mediakit/topics/panels/MemoryCardsArt.h"
#include "mediakit/topics/panels/PanelsPicturesArt.h"
#include "mediakit/topics/panels/PanelsScreensArt.h"
#include "mediakit/topics/panels/RoadSignsArt.h"

#include <QColor>
#include <functional>
#include <gtest/gtest.h>

namespace {

int Count(const QImage& image, QRect rect, const std::function<bool(QColor)>& test)
{
    int n = 0;
    rect &= image.rect();
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += test(QColor::fromRgba(image.pixel(x, y)));
    return n;
}

bool Red(QColor c)
{
    return c.alpha() > 200 && c.red() > 200 && c.green() < 70 && c.blue() < 70;
}

bool Blue(QColor c)
{
    return c.alpha() > 200 && c.hsvHue() > 200 && c.hsvHue() < 230 && c.hsvSaturation() > 150;
}

bool White(QColor c)
{
    return c.alpha() > 200 && c.red() > 235 && c.green() > 235 && c.blue() > 235;
}

bool Dark(QColor c)
{
    return c.alpha() > 200 && c.value() < 60;
}

bool Grey(QColor c)
{
    return c.rgb() == qRgb(0xdd, 0xdd, 0xdd);
}

} // namespace

TEST(PanelsArt, EveryBackgroundHasItsBackSignAndTheMemoryClockReadsBlue)
{
    const struct {
        const char* name;
        QImage page;
    } pages[] = {
        {"nyomtat", PanelsScreensArt::OperatingSystemScreen()}, {"panel", PanelsScreensArt::RaceScreen()},
        {"autos", PanelsScreensArt::TripScreen()},              {"memjatek", PanelsScreensArt::MemoryScreen()},
        {"konyvjelz", PanelsScreensArt::BookmarkScreen()},      {"intro", PanelsScreensArt::ExamIntroScreen()},
        {"vizsga", PanelsScreensArt::ExamScreen()},
    };
    for (const auto& page : pages) {
        SCOPED_TRACE(page.name);
        ASSERT_EQ(page.page.size(), QSize(1024, 768));
        PictureChecks::ExpectPaintedUnder(page.page, QRect(896, 648, 97, 49), 20, 45, "Vissza", 20);
    }
    EXPECT_GE(PictureChecks::LeastContrast(pages[3].page, QRect(432, 112, 130, 60), qRgb(0, 0, 255)), 4.5);
    // The exit sign is a picture of its own: its place stays free of the back sign's orange.
    EXPECT_TRUE(PictureChecks::HueArea(pages[3].page, QRect(888, 576, 104, 61), 20, 45).isEmpty());
}

TEST(PanelsArt, TheCarIsARedOpenTopNumberTwelveWithLemezkeAloneFacingLeft)
{
    const std::vector<QImage> frames = CarArt::RollingClip();
    ASSERT_EQ(frames.size(), 12u);
    const QImage& car = frames.front();
    ASSERT_EQ(car.size(), QSize(320, 147));
    // The body is the settings' red (255, 0, 0) over a large part of the lower half.
    EXPECT_GT(Count(car, QRect(0, 70, 320, 77), [](QColor c) { return c.rgb() == qRgb(255, 0, 0); }), 1500);
    // The race number's white disc with dark digits on the door, between the wheels.
    const QRect door(150, 88, 38, 34);
    EXPECT_GT(Count(car, door, White), 250);
    EXPECT_GT(Count(car, door, Dark), 60);
    // Open top: above the car's side, over the seats, there is no red roof, only Lemezke.
    const QRect cockpit(130, 0, 110, 82);
    EXPECT_LT(Count(car, cockpit, Red), 40);
    EXPECT_GT(Count(car, cockpit, [](QColor c) { return !Grey(c); }), 2500);
    // Nobody else rides: the places before the windscreen and over the tail stay empty.
    EXPECT_EQ(Count(car, QRect(0, 0, 110, 60), [](QColor c) { return !Grey(c); }), 0);
    EXPECT_EQ(Count(car, QRect(250, 0, 70, 55), [](QColor c) { return !Grey(c); }), 0);
    // Facing left: the headlight is at the left end, the tail light at the right.
    const auto headlight = [](QColor c) { return c.red() > 240 && c.green() > 230 && c.blue() > 140 && c.blue() < 180; };
    EXPECT_GT(Count(car, QRect(0, 90, 40, 40), headlight), 20);
    EXPECT_EQ(Count(car, QRect(200, 60, 120, 87), headlight), 0);
}

TEST(PanelsArt, RoadSignsStandOnAPostInTheirColours)
{
    const struct {
        const char* name;
        QImage sign;
        std::function<bool(QColor)> plate;
    } signs[] = {
        {"vendeglos", RoadSignsArt::Restaurant(), Blue},
        {"stop", RoadSignsArt::Stop(), Red},
        {"utjelzo", RoadSignsArt::Signpost(), Blue},
        {"felkialto", RoadSignsArt::Exclamation(), Red},
    };
    for (const auto& s : signs) {
        SCOPED_TRACE(s.name);
        ASSERT_EQ(s.sign.size(), QSize(297, 313));
        // See-through beside the post, the post's foot on the bottom edge in the middle.
        EXPECT_EQ(qAlpha(s.sign.pixel(2, 312)), 0);
        EXPECT_EQ(qAlpha(s.sign.pixel(294, 312)), 0);
        EXPECT_EQ(qAlpha(s.sign.pixel(148, 300)), 255);
        // The plate in its colour, with white lettering or field on it, in the upper part.
        const QRect plate(0, 0, 297, 230);
        EXPECT_GT(Count(s.sign, plate, s.plate), 6000);
        EXPECT_GT(Count(s.sign, plate, White), 1500);
    }
    // The warning sign's exclamation mark: black in the white triangle, which keeps out of the
    // top 30 rows where the warning dialog above it ends.
    EXPECT_GT(Count(signs[3].sign, QRect(136, 96, 26, 124), Dark), 1500);
    EXPECT_EQ(Count(signs[3].sign, QRect(0, 0, 297, 30), [](QColor c) { return c.alpha() > 0; }), 0);
}

TEST(PanelsArt, SignLetteringKeepsClearOfThePlatesEdges)
{
    // STOP: the octagon's upright sides stand 94 px either side of its centre (148, 118); the
    // 8 px from 6 to 14 px inside each of them stay red through the letters' height.
    const QImage stop = RoadSignsArt::Stop();
    EXPECT_EQ(Count(stop, QRect(60, 96, 8, 44), White), 0);
    EXPECT_EQ(Count(stop, QRect(229, 96, 8, 44), White), 0);
    EXPECT_GT(Count(stop, QRect(70, 96, 157, 44), White), 1500);
    // The signpost's board: blue before "Egérvár" and after it, inside the white rim.
    const QImage post = RoadSignsArt::Signpost();
    EXPECT_EQ(Count(post, QRect(64, 48, 8, 52), White), 0);
    EXPECT_EQ(Count(post, QRect(274, 48, 8, 52), White), 0);
    EXPECT_GT(Count(post, QRect(72, 48, 202, 52), White), 1500);
}

TEST(PanelsArt, CardFacesKeepBelowTheTitleStripAndDifferAtAGlance)
{
    std::vector<QImage> faces;
    for (int n = 1; n <= 18; ++n)
        faces.push_back(MemoryCardsArt::Face(n));
    const QRgb face = faces.front().pixel(45, 4);
    for (int n = 1; n <= 18; ++n) {
        SCOPED_TRACE(n);
        const QImage& f = faces[size_t(n - 1)];
        ASSERT_EQ(f.size(), QSize(90, 90));
        const auto drawn = [&](QColor c) { return c.rgb() != face; };
        // Nothing of the motif above row 8 or below row 78, inside the face's thin frame.
        EXPECT_EQ(Count(f, QRect(4, 4, 82, 4), drawn), 0);
        EXPECT_EQ(Count(f, QRect(4, 79, 82, 7), drawn), 0);
        // The motif is big enough to see: it covers a good part of the visible rows.
        EXPECT_GT(Count(f, QRect(4, 8, 82, 71), drawn), 82 * 71 / 6);
    }
    // Any two faces, seen at 6 × 6 pixels, still differ clearly.
    std::vector<QImage> small;
    for (const QImage& f : faces)
        small.push_back(f.copy(0, 8, 90, 71).scaled(6, 6, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    for (size_t a = 0; a < small.size(); ++a)
        for (size_t b = a + 1; b < small.size(); ++b) {
            int difference = 0;
            for (int y = 0; y < 6; ++y)
                for (int x = 0; x < 6; ++x) {
                    const QColor p = small[a].pixel(x, y);
                    const QColor q = small[b].pixel(x, y);
                    difference += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) + std::abs(p.blue() - q.blue());
                }
            EXPECT_GT(difference, 1500) << a + 1 << " and " << b + 1;
        }
}

TEST(PanelsArt, DialogIconsAreTheDialogsBlueIRedCrossAndYellowWarning)
{
    const QImage info = DialogIconsArt::Information();
    const QImage error = DialogIconsArt::Error();
    const QImage warning = DialogIconsArt::Warning();
    for (const QImage* icon : {&info, &error, &warning}) {
        ASSERT_EQ(icon->size(), QSize(32, 32));
        EXPECT_EQ(qAlpha(icon->pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(icon->pixel(31, 0)), 0);
    }
    // A white speech bubble with a blue "i": dot above, stem below, white on both sides of it,
    // the tail down on the left and nothing at the bottom right.
    const auto ink = [](QRgb p) { const QColor c = QColor::fromRgba(p); return c.blue() > 200 && c.red() < 60 && c.green() < 60; };
    EXPECT_TRUE(ink(info.pixel(15, 7)));
    EXPECT_TRUE(ink(info.pixel(15, 16)));
    EXPECT_TRUE(White(QColor::fromRgba(info.pixel(7, 13))));
    EXPECT_TRUE(White(QColor::fromRgba(info.pixel(23, 13))));
    EXPECT_GT(qAlpha(info.pixel(12, 25)), 240);
    EXPECT_EQ(qAlpha(info.pixel(28, 30)), 0);
    // A red disc with a white cross through its middle.
    EXPECT_TRUE(White(QColor::fromRgba(error.pixel(16, 16))));
    EXPECT_TRUE(White(QColor::fromRgba(error.pixel(12, 12))));
    EXPECT_TRUE(Red(QColor::fromRgba(error.pixel(16, 6))));
    EXPECT_TRUE(Red(QColor::fromRgba(error.pixel(6, 16))));
    // A yellow triangle, point up, with a black "!" in it.
    const auto yellow = [](QRgb p) { const QColor c = QColor::fromRgba(p); return c.red() > 230 && c.green() > 180 && c.blue() < 80; };
    EXPECT_TRUE(yellow(warning.pixel(8, 26)));
    EXPECT_TRUE(yellow(warning.pixel(24, 26)));
    EXPECT_EQ(qAlpha(warning.pixel(5, 8)), 0);
    EXPECT_TRUE(Dark(QColor::fromRgba(warning.pixel(16, 15))));
    EXPECT_TRUE(Dark(QColor::fromRgba(warning.pixel(16, 25))));
}
