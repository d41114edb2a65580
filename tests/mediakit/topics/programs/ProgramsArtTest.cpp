// What the programs topic's pictures show where the page puts them: backgrounds calm and of a
// middle tone under the icons and the task bar, one colour or one repeating tile where the lesson
// says so; icons laid out on their pixel grid; arrows that point their way and stay above the task
// bar; see-through ground round everything laid over the desktop; the Start menu's plain rows.

#include "mediakit/PictureChecks.h"
#include "mediakit/topics/programs/ProgramsDesktopArt.h"
#include "mediakit/topics/programs/ProgramsGuidesArt.h"
#include "mediakit/topics/programs/ProgramsIconsArt.h"
#include "mediakit/topics/programs/ProgramsLandscapeArt.h"
#include "mediakit/topics/programs/ProgramsSignsArt.h"

#include <QColor>
#include <QSet>
#include <QTransform>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using PictureChecks::Area;
using PictureChecks::Count;
using ProgramsSignsArt::TArrow;

bool Solid(const QColor& c)
{
    return c.alpha() > 128;
}

// The mean and the spread of the grey values in rect.
std::pair<double, double> Tone(const QImage& picture, QRect rect)
{
    double sum = 0;
    double squares = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const double grey = qGray(picture.pixel(x, y));
            sum += grey;
            squares += grey * grey;
        }
    const double n = double(rect.width()) * rect.height();
    return {sum / n, std::sqrt(squares / n - (sum / n) * (sum / n))};
}

TEST(ProgramsArt, BackgroundsAreCalmAndOfAMiddleToneUnderTheIconsAndTheTaskBar)
{
    const std::pair<const char*, QImage> backgrounds[] = {
        {"prg_base", ProgramsDesktopArt::Base()},
        {"hatter1sz", ProgramsDesktopArt::Plain()},
        {"hatterM", ProgramsDesktopArt::Pattern()},
        {"hatter", ProgramsLandscapeArt::Landscape()},
    };
    for (const auto& [name, picture] : backgrounds) {
        SCOPED_TRACE(name);
        ASSERT_EQ(picture.size(), QSize(1024, 768));
        for (const QRect place : {QRect(24, 104, 56, 306), QRect(0, 704, 1024, 64)}) {
            const auto [mean, spread] = Tone(picture, place);
            EXPECT_LE(spread, 16) << place.y();
            EXPECT_GE(mean, 60) << place.y();
            EXPECT_LE(mean, 150) << place.y();
        }
        // Both dark and light captions read all down the icons' column.
        EXPECT_GE(PictureChecks::LeastContrast(picture, QRect(24, 104, 56, 306), qRgb(0, 0, 0)), 2.5);
        EXPECT_GE(PictureChecks::LeastContrast(picture, QRect(24, 104, 56, 306), qRgb(255, 255, 255)), 2.5);
    }
}

TEST(ProgramsArt, PlainBackgroundIsOneColourAndThePatternOneRepeatingTile)
{
    const QImage plain = ProgramsDesktopArt::Plain();
    EXPECT_EQ(Count(plain, plain.rect(), [&](const QColor& c) { return c.rgb() != plain.pixel(0, 0); }), 0);

    const QImage pattern = ProgramsDesktopArt::Pattern();
    int seams = 0;
    for (int y = 0; y + 64 < pattern.height(); ++y)
        for (int x = 0; x + 64 < pattern.width(); ++x)
            seams += pattern.pixel(x, y) != pattern.pixel(x + 64, y) || pattern.pixel(x, y) != pattern.pixel(x, y + 64);
    EXPECT_EQ(seams, 0);
    // A tile with a motif in it, not a plain colour nor a finer repeat.
    QSet<QRgb> colours;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            colours.insert(pattern.pixel(x, y));
    EXPECT_GE(colours.size(), 5);
    EXPECT_NE(pattern.copy(0, 0, 32, 32), pattern.copy(32, 32, 32, 32));
}

TEST(ProgramsArt, IconsAreDrawnOnTheirPixelGridAndEachIsItsOwn)
{
    using namespace ProgramsIconsArt;
    const std::pair<const char*, QImage> icons[] = {
        {"sajatgep", Computer()},      {"kuka32", RecycleBin()},       {"Szamolo32", Calculator()},
        {"rajzolo32", Paint()},        {"gepelo32", TextEditor()},     {"Szamolo16", SmallCalculator()},
        {"rajzolo16", SmallPaint()},   {"gepelo16", SmallTextEditor()}, {"hang16", Loudspeaker()},
        {"halo16", Network()},
    };
    std::vector<QImage> seen;
    for (const auto& [name, icon] : icons) {
        SCOPED_TRACE(name);
        const int side = std::string(name).ends_with("16") ? 16 : 32;
        ASSERT_EQ(icon.size(), QSize(side, side));
        // Hard edges: every pixel wholly there or wholly see-through, as a drawing scaled down
        // to the size never is.
        int opaque = 0;
        QSet<QRgb> colours;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const int alpha = qAlpha(icon.pixel(x, y));
                EXPECT_TRUE(alpha == 0 || alpha == 255) << x << "," << y;
                if (alpha == 255) {
                    ++opaque;
                    colours.insert(icon.pixel(x, y));
                }
            }
        // Filled out but not a square block, and more than an outline.
        EXPECT_GE(opaque, side * side * 3 / 10);
        EXPECT_LE(opaque, side * side * 85 / 100);
        EXPECT_GE(colours.size(), 5);
        for (const QImage& other : seen)
            EXPECT_NE(icon, other);
        seen.push_back(icon);
    }
}

TEST(ProgramsArt, ArrowsPointTheirWayOnSeeThroughGround)
{
    // Each arrow turned so that it should point up: the point at the top, the shaft at the
    // bottom half as wide as the head.
    const struct {
        TArrow arrow;
        qreal turn;
    } arrows[] = {{TArrow::Up, 0}, {TArrow::Down, 180}, {TArrow::Left, 90}, {TArrow::Right, -90}};
    for (const auto& [arrow, turn] : arrows) {
        SCOPED_TRACE(turn);
        const QImage picture = ProgramsSignsArt::Arrow(arrow);
        ASSERT_EQ(picture.size(), QSize(114, 114));
        // Whole, clear of the picture's edges.
        EXPECT_TRUE(QRect(1, 1, 112, 112).contains(Area(picture, picture.rect(), [](const QColor& c) { return c.alpha() > 0; })));
        const QImage up = picture.transformed(QTransform().rotate(turn));
        const QRect body = Area(up, up.rect(), Solid);
        const auto width = [&](int y) { return Area(up, QRect(0, y, 114, 1), Solid).width(); };
        EXPECT_LE(width(body.top() + 3), 14);
        EXPECT_GE(width(body.bottom() - 3), body.width() * 3 / 10);
        EXPECT_LE(width(body.bottom() - 3), body.width() / 2);
        EXPECT_GE(body.height(), arrow == TArrow::Down ? 60 : 90);
    }
    // On the page the task bar's top edge crosses the arrow pointing down 80 px from its top:
    // the whole arrow, its shadow too, stands above it, its point close to it.
    const QImage down = ProgramsSignsArt::Arrow(TArrow::Down);
    EXPECT_LE(Area(down, down.rect(), [](const QColor& c) { return c.alpha() > 0; }).bottom(), 79);
    const QRect solid = Area(down, down.rect(), Solid);
    EXPECT_GE(solid.bottom(), 70);
    // Its point 38 px from the left: at Left -10 on the Start button (0 .. 60), at Left 80 on the
    // quick-launch buttons (72 .. 140).
    const QRect point = Area(down, QRect(0, solid.bottom() - 3, 114, 4), Solid);
    EXPECT_NEAR(point.center().x(), 38, 3);
}

TEST(ProgramsArt, PanelSignAndPeopleLieOnSeeThroughGround)
{
    const std::pair<const char*, QImage> overlays[] = {
        {"infPanel", ProgramsSignsArt::InfoPanel()},
        {"exitBtn", ProgramsSignsArt::BackSign()},
        {"k_a", ProgramsGuidesArt::Desk()},
        {"haz_5_szinttel", ProgramsGuidesArt::House()},
    };
    for (const auto& [name, picture] : overlays) {
        SCOPED_TRACE(name);
        const int right = picture.width() - 1;
        const int bottom = picture.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            EXPECT_EQ(qAlpha(picture.pixel(corner)), 0);
        EXPECT_GT(Count(picture, picture.rect(), Solid), picture.width() * picture.height() / 3);
    }
    // Black text reads anywhere on the panel below its band.
    EXPECT_GE(PictureChecks::LeastContrast(ProgramsSignsArt::InfoPanel(), QRect(16, 48, 460, 136), qRgb(0, 0, 0)), 15);
    PictureChecks::ExpectPaintedUnder(ProgramsSignsArt::BackSign(), QRect(0, 0, 107, 63), 20, 45, "Vissza", 0);
}

TEST(ProgramsArt, CastShowsAtTheDeskAndInTheHouseWithTheDoorAboveTheOkButton)
{
    const auto capRed = [](const QColor& c) {
        return c.alpha() > 200 && (c.hsvHue() <= 6 || c.hsvHue() >= 352) && c.hsvSaturation() > 150 && c.value() > 150;
    };
    const auto auburn = [](const QColor& c) {
        return c.alpha() > 200 && c.hsvHue() >= 12 && c.hsvHue() <= 26 && c.hsvSaturation() > 150 && c.value() > 120;
    };
    // Tivadar's cap near the top of the desk picture, his head clear of the picture's edge.
    const QImage desk = ProgramsGuidesArt::Desk();
    const QRect cap = Area(desk, QRect(0, 0, 333, 200), capRed);
    EXPECT_GT(cap.width() * cap.height(), 1500);
    EXPECT_GE(cap.top(), 4);

    // Tivadar and Nóra at the windows; green door above the pavement where the "OK" button
    // stands at (256, 568) in the picture.
    const QImage house = ProgramsGuidesArt::House();
    EXPECT_GT(Count(house, QRect(0, 0, 581, 587), capRed), 150);
    EXPECT_GT(Count(house, QRect(0, 0, 581, 587), auburn), 150);
    const QRect door = Area(house, QRect(240, 440, 100, 110), [](const QColor& c) {
        return c.hsvHue() >= 110 && c.hsvHue() <= 150 && c.hsvSaturation() > 100 && c.alpha() == 255;
    });
    EXPECT_LE(door.left(), 266);
    EXPECT_GE(door.right(), 320);
    EXPECT_GE(door.bottom(), 540);
}

TEST(ProgramsArt, StartMenuHasPlainRowsBesideItsBand)
{
    const QImage menu = ProgramsSignsArt::StartMenu();
    ASSERT_EQ(menu.size(), QSize(330, 529));
    // Every row the page writes over (x 22 .. 328) is white, so its captions read black and its
    // lit row's white on the selection bar alone.
    const int tops[] = {1, 33, 65, 97, 129, 161, 193, 225, 265, 297, 329, 361, 393, 425, 465, 496};
    for (const int top : tops)
        EXPECT_EQ(Count(menu, QRect(24, top, 300, 30), [](const QColor& c) { return c.rgb() != qRgb(255, 255, 255); }), 0)
            << top;
    // A strongly coloured band down the whole left edge, the course's name written in it.
    const QRect band = Area(menu, QRect(0, 0, 24, 529), [](const QColor& c) { return c.hsvSaturation() > 120; });
    EXPECT_LE(band.left(), 2);
    EXPECT_GE(band.right(), 20);
    EXPECT_GE(band.height(), 520);
    EXPECT_GT(Count(menu, QRect(2, 300, 19, 226), [](const QColor& c) { return c.lightness() > 235; }), 60);
    // An etched line in each gap between the rows' groups.
    for (const int gap : {257, 457})
        EXPECT_GT(Count(menu, QRect(24, gap, 300, 8), [](const QColor& c) { return c.lightness() < 160; }), 250) << gap;
}

} // namespace
