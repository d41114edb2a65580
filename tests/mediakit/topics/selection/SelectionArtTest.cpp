// What the selection topic's pictures show: buttons under the pages' click areas, light areas
// where the pages write, the scene true to the quiz answers, and a barrel that points where the
// cannon game puts the ball.

#include "mediakit/PictureChecks.h"
#include "mediakit/topics/mouse/GamePanelsMedia.h"
#include "mediakit/topics/selection/CannonArt.h"
#include "mediakit/topics/selection/SceneArt.h"
#include "mediakit/topics/selection/SelectionPicturesArt.h"
#include "mediakit/topics/selection/SelectionScreensArt.h"

#include <QColor>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using PictureChecks::ExpectPaintedUnder;
using PictureChecks::LeastContrast;

namespace {

const QRgb Blue = qRgb(0, 0, 255);

int Count(const QImage& image, QRect rect, const std::function<bool(const QColor&)>& wanted)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += wanted(QColor::fromRgba(image.pixel(x, y)));
    return count;
}

bool Hue(const QColor& c, int from, int to, int saturation = 110)
{
    return c.alpha() > 200 && c.hsvHue() >= from && c.hsvHue() <= to && c.hsvSaturation() > saturation &&
           c.value() > 90;
}

} // namespace

TEST(SelectionArt, BackAndHelpButtonsLieUnderTheirClickAreas)
{
    using namespace SelectionScreensArt;
    const QRect lessonBack(904, 688, 105, 65);
    const QRect settingBack(896, 648, 97, 49);
    for (const QImage& page : {RadioButtonScreen(), RadioGroupScreen(), SceneScreen(), QuizScreen(), CheckBoxScreen(),
                               CheckBox2Screen()})
        ExpectPaintedUnder(page, lessonBack, 20, 45, "Vissza, radio and check box pages", 12);
    for (const QImage& page : {SpinEdit1Screen(), SpinEdit2Screen(), TrackBarScreen(), ProgressBarScreen()})
        ExpectPaintedUnder(page, settingBack, 20, 45, "Vissza, setting pages", 12);
    ExpectPaintedUnder(QuizScreen(), QRect(136, 128, 169, 49), 120, 140, "Súgó", 12);
    ExpectPaintedUnder(HelpPanel(), QRect(360, 496, 209, 49), 120, 140, "Bezár", 12);
}

TEST(SelectionArt, BlueWritingReadsWhereThePagesWrite)
{
    using namespace SelectionScreensArt;
    // The labels and controls: the band below the bunting across the page and the left half
    // down to the back button's row; the decorations keep to the lower right.
    for (const QImage& page : {RadioButtonScreen(), RadioGroupScreen(), QuizScreen(), CheckBoxScreen(),
                               SpinEdit1Screen(), SpinEdit2Screen(), TrackBarScreen(), ProgressBarScreen()}) {
        EXPECT_GE(LeastContrast(page, QRect(20, 190, 984, 100), Blue), 4.5);
        EXPECT_GE(LeastContrast(page, QRect(20, 290, 500, 350), Blue), 4.5);
    }
    // The second check box page: its two texts on top, the check boxes below the pictures.
    EXPECT_GE(LeastContrast(CheckBox2Screen(), QRect(20, 40, 984, 136), Blue), 4.5);
    EXPECT_GE(LeastContrast(CheckBox2Screen(), QRect(120, 440, 780, 200), Blue), 4.5);
    EXPECT_GE(LeastContrast(SceneScreen(), QRect(50, 44, 924, 44), Blue), 4.5) << "the instruction over the scene";
    EXPECT_GE(LeastContrast(CannonScreen(), QRect(784, 712, 90, 28), Blue), 4.5) << "the hits label";
    const QImage info = GamePanelsMedia::InfoPanel();
    EXPECT_GE(LeastContrast(info, QRect(16, 16, 768, 284), Blue), 7) << "the information panel's face";
    EXPECT_GE(LeastContrast(GamePanelsMedia::SmallPanel(), QRect(16, 16, 188, 94), Blue), 7);
}

TEST(SelectionArt, TheSceneAnswersTheQuiz)
{
    const QImage scene = SceneArt::Scene(QSize(1000, 568));
    // Tivadar's red cap is on the picture's left.
    const auto capRed = [](const QColor& c) { return (Hue(c, 350, 360, 150) || Hue(c, 0, 8, 150)) && c.value() > 170; };
    EXPECT_GT(Count(scene, QRect(0, 0, 300, 420), capRed), 1500);
    EXPECT_LT(Count(scene, QRect(300, 0, 400, 420), capRed), 50);
    // Nóra's T-shirt is purple, not pink.
    const QRect shirt(365, 380, 50, 40);
    EXPECT_GT(Count(scene, shirt, [](const QColor& c) { return Hue(c, 260, 295); }), shirt.width() * shirt.height() / 2);
    EXPECT_LT(Count(scene, shirt, [](const QColor& c) { return Hue(c, 320, 345); }), 20);
    // Ödön's jacket is grey, with nothing of the brown one left.
    const QRect jacket(730, 240, 110, 120);
    EXPECT_LT(Count(scene, jacket, [](const QColor& c) { return Hue(c, 15, 33, 90) && c.value() < 190; }), 20);
    EXPECT_GT(Count(scene, jacket, [](const QColor& c) { return c.hsvSaturation() < 40 && c.value() > 90 && c.value() < 180; }),
              2000);
}

TEST(SelectionArt, TheBarrelPointsWhereTheBallAppears)
{
    // The game's first ball place for an angle, as its centre in the cannon picture at (90, 504).
    for (int angle = 10; angle <= 80; angle += 5) {
        SCOPED_TRACE(angle);
        const double r = 3.14 / 180;
        const double x = 120 + std::nearbyint(std::cos(angle * 0.8 * r) * 160) + 15 - 90;
        const double y = 576 - std::nearbyint(std::sin(angle * 0.6 * r) * 160) + 15 - 504;
        const QImage cannon = CannonArt::Cannon(angle / 10 + 1);
        // Along the line from the barrel's pivot towards the ball, the barrel's dark metal.
        const QPointF pivot(89, 85);
        const QPointF towards = QPointF(x, y) - pivot;
        const QPoint along = (pivot + towards * (52 / std::hypot(towards.x(), towards.y()))).toPoint();
        const QColor c = QColor::fromRgba(cannon.pixel(along));
        EXPECT_EQ(c.alpha(), 255);
        EXPECT_LT(c.value(), 150) << along.x() << "," << along.y();
        // The ball itself appears clear of the barrel's mouth.
        if (cannon.rect().contains(QPoint(int(x), int(y)))) {
            EXPECT_EQ(qAlpha(cannon.pixel(int(x), int(y))), 0);
        }
    }
}

TEST(SelectionArt, PicturesChangeAsTheirControlsSay)
{
    using namespace SelectionPicturesArt;
    EXPECT_NE(SpinTivadar(true), SpinTivadar(false));
    EXPECT_NE(SpinNora(true), SpinNora(false));
    // The flowers open: more petal colour at every step.
    int petals = 0;
    for (int step = 0; step <= 4; ++step) {
        SCOPED_TRACE(step);
        const QImage flowers = Flowers(step);
        const int now = Count(flowers, flowers.rect(), [](const QColor& c) { return Hue(c, 270, 345) || Hue(c, 40, 50); });
        EXPECT_GT(now, petals);
        petals = now;
        if (step > 0) {
            EXPECT_NE(Hat(step), Hat(step - 1)) << "the cap turns";
        }
    }
    // The racers turn round for the run back.
    for (const auto& racer : {RacingTivadar, RacingNyilacska}) {
        const QImage back = racer(true);
        const QImage turned = racer(false).mirrored(true, false);
        int differing = 0;
        for (int y = 0; y < back.height(); ++y)
            for (int x = 0; x < back.width(); ++x)
                differing += std::abs(qAlpha(back.pixel(x, y)) - qAlpha(turned.pixel(x, y))) > 64;
        EXPECT_LT(differing, back.width() * back.height() / 100);
        EXPECT_NE(back, racer(false));
    }
    // The radio look-alikes: a dot in the middle only when on, round and see-through at the corners.
    EXPECT_TRUE(Hue(QColor::fromRgba(RadioOn().pixel(16, 16)), 100, 150));
    EXPECT_FALSE(Hue(QColor::fromRgba(RadioOff().pixel(16, 16)), 100, 150));
    EXPECT_EQ(qAlpha(RadioOff().pixel(1, 1)), 0);
}
