// What the mouse games' pictures show where a page relies on it: targets and clouds see-through
// around them, a light middle in each cloud for its caption, Nyilacska's tip on the side its name
// says, calm writing areas, the mouse's red right button under imgMouse, the hoop's square and
// ring on the rectangle the game tests, and titles that read on the information panel.

#include "mediakit/PictureChecks.h"
#include "mediakit/topics/mouse/MouseGamesPicturesArt.h"
#include "mediakit/topics/mouse/MouseGamesScreensArt.h"

#include <QColor>
#include <QPainter>
#include <gtest/gtest.h>

using PictureChecks::Contrast;
using PictureChecks::HueArea;
using PictureChecks::LeastContrast;

namespace {

namespace Art = MouseGamesPicturesArt;

const QRgb Blue = qRgb(0, 0, 255);
const QRgb CaptionGreen = qRgb(0, 128, 0);

// The topmost opaque pixel's column: Nyilacska's tip.
int TipColumn(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128)
                return x;
    return -1;
}

TEST(MouseGamesArt, MovingPicturesAreSeeThroughAroundWhatTheyShow)
{
    const struct {
        const char* name;
        QImage image;
        QSize size;
    } pictures[] = {
        {"felho1", Art::Cloud(1), {170, 100}},          {"felho5", Art::Cloud(5), {170, 100}},
        {"pillango_lila", Art::Butterfly("lila"), {64, 56}}, {"pillango_zold", Art::Butterfly("zold"), {64, 56}},
        {"lufi_piros", Art::Balloon("piros"), {100, 227}}, {"lufi_vkek", Art::Balloon("vkek"), {100, 227}},
        {"nyilacska_bal", Art::NyilacskaPointing(false), {162, 215}},
        {"nyilacska_jobb", Art::NyilacskaPointing(true), {162, 215}},
        {"ball", Art::Ball(), {103, 103}},
    };
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.name);
        ASSERT_EQ(p.image.size(), p.size);
        const int w = p.size.width() - 1;
        const int h = p.size.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
            EXPECT_EQ(qAlpha(p.image.pixel(corner)), 0) << corner.x() << "," << corner.y();
    }
    // Solid where the learner clicks: the butterfly's wings, the balloon's body, the ball's middle.
    EXPECT_EQ(qAlpha(Art::Butterfly("kek").pixel(18, 22)), 255);
    EXPECT_EQ(qAlpha(Art::Balloon("kek").pixel(50, 70)), 255);
    EXPECT_EQ(qAlpha(Art::Ball().pixel(51, 51)), 255);
    EXPECT_THROW(Art::Butterfly("barna"), std::invalid_argument);
}

TEST(MouseGamesArt, ButterfliesAndBalloonsAreTheColourTheirNamesSay)
{
    // Most of the strongly coloured pixels lie in the named hue band (degrees).
    const auto mostlyIn = [](const QImage& image, int from, int to) {
        int vivid = 0;
        int inBand = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = QColor::fromRgba(image.pixel(x, y));
                if (c.alpha() < 250 || c.hsvSaturation() < 120 || c.value() < 120)
                    continue;
                ++vivid;
                const int hue = (c.hsvHue() + 360 - from) % 360;
                inBand += hue <= (to + 360 - from) % 360;
            }
        return vivid > 0 && inBand * 10 > vivid * 7;
    };
    const struct {
        const char* colour;
        int from;
        int to;
    } butterflies[] = {{"lila", 260, 300}, {"piros", 350, 10}, {"kek", 205, 235}, {"sarga", 40, 60}, {"zold", 115, 150}},
      balloons[] = {{"lila", 260, 300}, {"piros", 350, 10}, {"narancs", 25, 40},
                    {"zold", 110, 140}, {"kek", 205, 235}, {"vkek", 190, 210}};
    for (const auto& b : butterflies)
        EXPECT_TRUE(mostlyIn(Art::Butterfly(b.colour), b.from, b.to)) << "pillango_" << b.colour;
    for (const auto& b : balloons)
        EXPECT_TRUE(mostlyIn(Art::Balloon(b.colour), b.from, b.to)) << "lufi_" << b.colour;
}

TEST(MouseGamesArt, EveryCloudHasALightMiddleForItsBlueOrGreenCaption)
{
    for (int number = 1; number <= 5; ++number) {
        SCOPED_TRACE(number);
        const QImage cloud = Art::Cloud(number);
        // The caption is centred on the picture: "Villám" in bold 20 point spans about 80 × 30.
        const QRect caption(45, 35, 80, 30);
        EXPECT_GE(LeastContrast(cloud, caption, Blue), 4.5);
        EXPECT_GE(LeastContrast(cloud, caption, CaptionGreen), 4.5);
        EXPECT_EQ(qAlpha(cloud.pixel(caption.topLeft())), 255);
        EXPECT_EQ(qAlpha(cloud.pixel(caption.bottomRight())), 255);
    }
}

TEST(MouseGamesArt, NyilacskaPointsWithItsTipTheWayItsNameSays)
{
    EXPECT_LT(TipColumn(Art::NyilacskaPointing(false)), 162 / 2);
    EXPECT_GT(TipColumn(Art::NyilacskaPointing(true)), 162 / 2);
}

TEST(MouseGamesArt, LessonPagesKeepTheirWritingAreasCalmAndLight)
{
    // The right-click page writes from 200, 170 (four lines of 18 point); the double-click page
    // from 140, 85 to 904, 268 in 15 point.
    EXPECT_GE(LeastContrast(MouseGamesScreensArt::RightClickScreen(), QRect(200, 170, 664, 150), Blue), 4.5);
    EXPECT_GE(LeastContrast(MouseGamesScreensArt::DoubleClickScreen(), QRect(140, 85, 764, 183), Blue), 4.5);
}

TEST(MouseGamesArt, RightClickPageHasTheMouseUnderImgMouseWithItsRightButtonRed)
{
    const QImage page = MouseGamesScreensArt::RightClickScreen();
    const QRect imgMouse(550, 410, 170, 297);
    // Red inside imgMouse is the right button alone: in the upper right, filling most of that half.
    const QRect red = HueArea(page, imgMouse, 0, 8);
    ASSERT_FALSE(red.isEmpty());
    EXPECT_GE(red.left(), 630);
    EXPECT_LE(red.right(), 720);
    EXPECT_GE(red.width(), 60);
    EXPECT_LT(red.bottom(), 410 + 297 / 2);
    // The mouse's light shell fills the area's middle column from the buttons to the bottom.
    for (int y = 560; y < 690; y += 10)
        EXPECT_GT(qGray(page.pixel(600, y)), 190) << y;
}

TEST(MouseGamesArt, BackboardSquareAndRingLieOnTheHoopRectangle)
{
    const QImage page = MouseGamesScreensArt::BasketballScreen();
    // The hoop counts a ball inside left 410, top 268, right 635, bottom 381.
    const QRect square = HueArea(page, QRect(385, 243, 276, 120), 0, 8);
    ASSERT_FALSE(square.isEmpty());
    EXPECT_NEAR(square.left(), 410, 3);
    EXPECT_NEAR(square.right(), 635, 3);
    EXPECT_NEAR(square.top(), 268, 3);
    const QRect ring = HueArea(page, QRect(380, 360, 286, 40), 15, 30);
    ASSERT_FALSE(ring.isEmpty());
    EXPECT_NEAR(ring.left(), 410, 4);
    EXPECT_NEAR(ring.right(), 635, 4);
    EXPECT_NEAR((ring.top() + ring.bottom()) / 2, 381, 3);
    // The score's small panel at the top (415, 20, 220 × 130) covers plain wall, not the board.
    EXPECT_TRUE(HueArea(page, QRect(415, 20, 220, 130), 0, 8).isEmpty());
}

TEST(MouseGamesArt, GameTitlesReadOnTheInformationPanel)
{
    const QRgb face = qRgb(0xff, 0xfc, 0xf0); // the panel's cream face
    const struct {
        const char* name;
        QImage title;
    } titles[] = {{"lepkevadaszat", Art::ButterflyTitle()},
                  {"jobbra_balra", Art::LeftRightTitle()},
                  {"lufi", Art::BalloonTitle()},
                  {"kosarlabda", Art::BasketballTitle()}};
    for (const auto& t : titles) {
        SCOPED_TRACE(t.name);
        EXPECT_LE(t.title.width(), 776);
        EXPECT_LE(t.title.height(), 296);
        QImage on(t.title.size(), QImage::Format_RGB32);
        on.fill(face);
        QPainter(&on).drawImage(0, 0, t.title);
        // The lettering's dark rim runs along the middle third, where the word is written.
        const QRect word(t.title.width() / 4, t.title.height() / 4, t.title.width() / 2, t.title.height() / 2);
        int strong = 0;
        for (int y = word.top(); y <= word.bottom(); ++y)
            for (int x = word.left(); x <= word.right(); ++x)
                strong += Contrast(on.pixel(x, y), face) >= 4.5;
        EXPECT_GT(strong, word.width() * word.height() / 12);
    }
}

} // namespace
