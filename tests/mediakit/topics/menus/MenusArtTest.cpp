// What the menus topic's pictures show where the pages put them: the back sign under the to-main
// area and light, plain wall where labels and lists stand; plates that rest on the table top and
// are see-through round themselves; Tivadar standing on the floor and fitting under the shortcut
// window's top; more of him the less he hides; clips that start where the portraits are and loop.

#include "mediakit/PictureChecks.h"
#include "mediakit/cast/CastInk.h"
#include "mediakit/topics/menus/MenusClipsArt.h"
#include "mediakit/topics/menus/MenusFoodArt.h"
#include "mediakit/topics/menus/MenusGuidesArt.h"
#include "mediakit/topics/menus/MenusPageArt.h"
#include "mediakit/topics/menus/MenusTivadarArt.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>
#include <gtest/gtest.h>

namespace {

using PictureChecks::Area;
using PictureChecks::Count;

bool Solid(const QColor& c)
{
    return c.alpha() > 128;
}
bool Drawn(const QColor& c)
{
    return c.alpha() > 0;
}
// Tivadar's red cap and his skin.
bool CapRed(const QColor& c)
{
    return c.alpha() > 200 && (c.hsvHue() <= 6 || c.hsvHue() >= 352) && c.hsvSaturation() > 150 && c.value() > 150;
}
bool Skin(const QColor& c)
{
    return c.alpha() > 200 && c.hsvHue() >= 18 && c.hsvHue() <= 32 && c.hsvSaturation() > 50 && c.hsvSaturation() < 110 &&
           c.value() > 230;
}

int Differing(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

// A loop closes smoothly when going from the last frame back to the first is a step like the
// others: not a jump, and not a standstill on a repeated frame.
void ExpectSmoothLoop(const std::vector<QImage>& frames)
{
    int largestStep = 0;
    for (size_t i = 0; i + 1 < frames.size(); ++i)
        largestStep = std::max(largestStep, Differing(frames[i], frames[i + 1]));
    const int closing = Differing(frames.back(), frames.front());
    EXPECT_GT(closing, 0);
    EXPECT_LE(closing, largestStep * 3 / 2);
}

TEST(MenusArt, BackgroundHasTheBackSignAndLightPlainSpotsForThePagesControls)
{
    const QImage page = MenusPageArt::Background();
    ASSERT_EQ(page.size(), QSize(1024, 768));
    PictureChecks::ExpectPaintedUnder(page, QRect(896, 648, 97, 49), 20, 45, "Vissza", 20);
    // Blue labels read there at least as well as on the plain page grey.
    const double onPageGrey = PictureChecks::Contrast(qRgb(0xdd, 0xdd, 0xdd), qRgb(0, 0, 255));
    const struct {
        const char* what;
        QRect rect;
    } spots[] = {
        {"favourites, left", QRect(24, 272, 145, 209)},   {"favourites, right", QRect(824, 272, 137, 209)},
        {"elapsed time", QRect(824, 192, 170, 64)},        {"exit sign", QRect(888, 560, 104, 61)},
        {"hiding Tivadar", QRect(56, 202, 353, 297)},      {"the windows' middle", QRect(200, 190, 480, 300)},
    };
    for (const auto& spot : spots)
        EXPECT_GE(PictureChecks::LeastContrast(page, spot.rect, qRgb(0, 0, 255)), onPageGrey) << spot.what;
}

TEST(MenusArt, PlatesRestOnTheTableTopAndAreSeeThroughRoundThemselves)
{
    const QImage table = MenusFoodArt::Table();
    ASSERT_EQ(table.size(), QSize(318, 252));
    const QPoint tableAt(568, 440);
    const QPoint plateSlots[] = {{552, 352}, {656, 352}, {768, 352}};
    for (const int tag : MenusFoodArt::PlateTags) {
        SCOPED_TRACE(tag);
        const QImage plate = MenusFoodArt::Plate(tag);
        ASSERT_EQ(plate.size(), QSize(134, 134));
        // Nothing drawn along the slot's top and sides: the slots overlap, and the wall shows.
        EXPECT_EQ(Count(plate, QRect(0, 0, 134, 6), Drawn), 0);
        EXPECT_EQ(Count(plate, QRect(0, 0, 8, 134), Drawn), 0);
        EXPECT_EQ(Count(plate, QRect(126, 0, 8, 134), Drawn), 0);
        const QRect dish = Area(plate, plate.rect(), Solid);
        EXPECT_GT(dish.height(), 60);
        for (const QPoint slot : plateSlots) {
            // Where the dish stands, the table's top is under it, not the air or the legs.
            const QPoint foot = slot + QPoint(dish.center().x(), dish.bottom()) - tableAt;
            ASSERT_TRUE(table.rect().contains(foot)) << slot.x();
            EXPECT_EQ(qAlpha(table.pixel(foot)), 255) << slot.x();
            EXPECT_LT(foot.y(), 50) << slot.x();
        }
    }
    EXPECT_THROW(MenusFoodArt::Plate(14), std::invalid_argument);
}

TEST(MenusArt, TivadarsHandGoesWhereThePictureWantsItWithTheElbowOut)
{
    // His arm as his figure draws it: shoulders at (±28, -163), 37 and 34 units long.
    CastInk::TArmStyle arm;
    arm.upper = 37;
    arm.fore = 34;
    const struct {
        bool right;
        QPointF wrist;
        double drop;
    } reaches[] = {
        {false, {-38, -110}, 0}, {true, {38, -110}, 0},    // hands on hips
        {true, {4, -124}, 0},    {false, {-16, -186}, 0},  // on the tummy, at the chin
        {true, {38, -206}, 0},   {false, {-38, -206}, 0},  // holding binoculars
        {true, {30, -134}, 46},  {false, {-74, -108}, 46}, // sitting: fist at the chin, arm on the armrest
    };
    for (const auto& r : reaches) {
        SCOPED_TRACE(r.wrist.x());
        const QPointF shoulder(r.right ? 28 : -28, -163 + r.drop);
        const TCastArm reach = MenusTivadarArt::Reach(r.right, r.wrist, TCastHand::Open, r.drop);
        const CastInk::TArmJoints joints = CastInk::ArmJoints(shoulder, reach, r.right, arm);
        EXPECT_NEAR(joints.wrist.x(), r.wrist.x(), 0.5);
        EXPECT_NEAR(joints.wrist.y(), r.wrist.y(), 0.5);
        EXPECT_GE(std::abs(joints.elbow.x()), std::abs(shoulder.x())) << "the elbow sticks out, not into his body";
    }
    // Out of reach, the arm stretches towards the point.
    const TCastArm far = MenusTivadarArt::Reach(true, QPointF(200, -163), TCastHand::Open);
    EXPECT_NEAR(far.shoulder, 90, 2);
    EXPECT_NEAR(far.elbow, 0, 3);
}

TEST(MenusArt, TivadarAndTheTableStandOnTheFloorAndHisCapClearsTheShortcutWindowsTop)
{
    const QImage standing = MenusTivadarArt::Standing();
    ASSERT_EQ(standing.size(), QSize(194, 306));
    const QRect him = Area(standing, standing.rect(), Solid);
    // The window shows the picture from 24 px down; the page puts it at y 382 over a floor
    // starting at 676, and the table at y 440.
    EXPECT_GE(him.top(), 24);
    EXPECT_LE(him.top(), 40);
    EXPECT_GE(382 + him.bottom(), 676);
    EXPECT_LE(him.bottom(), 305);
    const QImage table = MenusFoodArt::Table();
    EXPECT_GE(440 + Area(table, table.rect(), Solid).bottom(), 676);
    EXPECT_GT(Count(standing, QRect(0, 0, 194, 120), CapRed), 300);
}

TEST(MenusArt, TheLessTivadarHidesTheMoreOfHimShows)
{
    const QImage hidden = MenusTivadarArt::Hidden();
    const QImage comingOut = MenusTivadarArt::ComingOut();
    const QImage watching = MenusTivadarArt::Watching();
    for (const QImage* picture : {&hidden, &comingOut, &watching}) {
        ASSERT_EQ(picture->size(), QSize(353, 297));
        for (const QPoint corner : {QPoint(0, 0), QPoint(352, 0)})
            EXPECT_EQ(qAlpha(picture->pixel(corner)), 0);
    }
    const auto shown = [](const QImage& picture) {
        return Count(picture, picture.rect(), CapRed) + Count(picture, picture.rect(), Skin);
    };
    // Hidden, at most a tip of his cap; watching, his cap and face over the bush; coming out, all of him.
    EXPECT_LT(shown(hidden), 250);
    EXPECT_GT(Count(watching, watching.rect(), Skin), 400);
    EXPECT_GT(shown(watching), 3 * shown(hidden));
    EXPECT_GT(shown(comingOut), shown(watching));
    EXPECT_EQ(Count(hidden, hidden.rect(), Skin), 0);
}

TEST(MenusArt, GuidesStandWholeInTheirPictures)
{
    const struct {
        const char* name;
        QImage picture;
        QSize size;
    } pictures[] = {
        {"menu_j_f", MenusTivadarArt::Explaining(), QSize(300, 330)},
        {"menu_v2", MenusGuidesArt::Wish(TCastMember::Nora), QSize(120, 170)},
        {"menu_flo", MenusGuidesArt::Wish(TCastMember::Lemezke), QSize(120, 170)},
        {"menu_e", MenusGuidesArt::Wish(TCastMember::Odon), QSize(120, 170)},
    };
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.name);
        ASSERT_EQ(p.picture.size(), p.size);
        // See-through round the guide, feet on the bottom edge, nothing cut off, the picture filled.
        EXPECT_EQ(qAlpha(p.picture.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(p.picture.pixel(p.size.width() - 1, 0)), 0);
        const QRect drawn = Area(p.picture, p.picture.rect(), Drawn);
        EXPECT_TRUE(p.picture.rect().adjusted(1, 1, -1, -1).contains(drawn));
        const QRect solid = Area(p.picture, p.picture.rect(), Solid);
        EXPECT_GE(solid.bottom(), p.size.height() - 8);
        EXPECT_TRUE(solid.height() >= p.size.height() * 0.85 || solid.width() >= p.size.width() * 0.85);
    }
    EXPECT_THROW(MenusGuidesArt::Found(TCastMember::Tivadar), std::invalid_argument);
}

TEST(MenusArt, PopUpTricksStartOnThePortraitAndComeBackToIt)
{
    using namespace MenusClipsArt;
    for (TCastMember who : {TCastMember::Odon, TCastMember::Tivadar, TCastMember::Nora}) {
        const QImage portrait = MenusGuidesArt::Portrait(who);
        ASSERT_EQ(portrait.size(), QSize(200, 200));
        // The ring round it is the clips' see-through grey, so a clip over it hides no edge.
        EXPECT_EQ(portrait.pixel(0, 0), qRgb(0xdd, 0xdd, 0xdd));
        EXPECT_EQ(portrait.pixel(199, 100), qRgb(0xdd, 0xdd, 0xdd));
        for (TTrick trick : {TTrick::Turn, TTrick::Spin, TTrick::Somersault}) {
            SCOPED_TRACE(int(trick));
            const std::vector<QImage> frames = Trick(who, trick);
            ASSERT_EQ(frames.size(), 24u);
            EXPECT_EQ(frames.front(), portrait);
            int widest = 0;
            for (const QImage& frame : frames)
                widest = std::max(widest, Differing(frames.front(), frame));
            EXPECT_GT(widest, 3000);
            ExpectSmoothLoop(frames);
        }
    }
}

TEST(MenusArt, GymnasticsKeepTivadarsSizeAndPlaceAndLoopSmoothly)
{
    using namespace MenusClipsArt;
    const auto feetRow = [](const QImage& frame) {
        return Area(frame, frame.rect(), [](const QColor& c) { return c.lightness() < 200; }).bottom();
    };
    const int standingFeet = feetRow(Exercise(TExercise::ArmsUp).front());
    EXPECT_GE(standingFeet, 190);
    for (TExercise exercise : {TExercise::HeadRight, TExercise::HeadLeft, TExercise::TurnRight, TExercise::TurnLeft,
                               TExercise::Squat, TExercise::BendForward, TExercise::BendBack, TExercise::SideBendRight,
                               TExercise::SideBendLeft, TExercise::ArmsUp}) {
        SCOPED_TRACE(int(exercise));
        const std::vector<QImage> frames = Exercise(exercise);
        ASSERT_EQ(frames.size(), 24u);
        for (const QImage& frame : frames)
            EXPECT_EQ(feetRow(frame), standingFeet);
        ExpectSmoothLoop(frames);
        EXPECT_GT(Differing(frames.front(), frames[12]), 400);
    }
    // Mirror exercises move to opposite sides: tilting right puts more of him on the right.
    const auto rightHalf = [](const QImage& frame) {
        return Count(frame, QRect(100, 0, 100, 200), [](const QColor& c) { return c.lightness() < 200; });
    };
    EXPECT_GT(rightHalf(Exercise(TExercise::SideBendRight)[12]), rightHalf(Exercise(TExercise::SideBendLeft)[12]));
    EXPECT_GT(rightHalf(Exercise(TExercise::HeadRight)[12]), rightHalf(Exercise(TExercise::HeadLeft)[12]));
}

} // namespace
