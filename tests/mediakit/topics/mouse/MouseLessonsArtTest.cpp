// What the mouse lessons' pictures show: keys, back signs, cursors, titles and paint pots under
// the pages' click areas, light areas where the pages write, a head still known at its smallest,
// shadings that keep their folds under any paint, and the house where the page looks for it.

#include "mediakit/PictureChecks.h"
#include "mediakit/topics/mouse/MouseLessonsColouringArt.h"
#include "mediakit/topics/mouse/MouseLessonsDragArt.h"
#include "mediakit/topics/mouse/MouseLessonsInfoArt.h"
#include "mediakit/topics/mouse/MouseLessonsIntroArt.h"

#include <QColor>
#include <functional>
#include <gtest/gtest.h>

using PictureChecks::Area;
using PictureChecks::Count;
using PictureChecks::ExpectPaintedUnder;
using PictureChecks::LeastContrast;
using namespace MouseLessonsIntroArt;
using namespace MouseLessonsColouringArt;

namespace {

const QRgb Blue = qRgb(0, 0, 255);

bool Dark(const QColor& c)
{
    return c.alpha() > 200 && c.value() < 100;
}

// A key or device drawn under its area: every pixel of it found near the area lies in it, and
// together they span most of it.
void ExpectDrawnUnder(const QImage& page, QRect area, const std::function<bool(const QColor&)>& ofIt, const char* what,
                      int margin = 20)
{
    SCOPED_TRACE(what);
    const QRect found = Area(page, area.adjusted(-margin, -margin, margin, margin), ofIt);
    ASSERT_FALSE(found.isEmpty());
    EXPECT_TRUE(area.contains(found)) << found.x() << "," << found.y() << " " << found.width() << "x" << found.height();
    EXPECT_GE(found.width(), area.width() * 85 / 100);
    EXPECT_GE(found.height(), area.height() * 7 / 10);
}

// Darker than the calm backdrop, which is nowhere darker than the page grey.
bool Drawn(const QColor& c)
{
    return c.value() < 210;
}

// The colouring page's paint: (S × S.alpha + c × 255) div (S.alpha + 255) where the base shows.
QImage Tint(const QImage& base, const QImage& shading, QColor c)
{
    QImage out = base.convertToFormat(QImage::Format_ARGB32);
    const QImage s = shading.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const QRgb b = out.pixel(x, y);
            if (!qAlpha(b))
                continue;
            const QRgb sp = s.pixel(x, y);
            const int a = qAlpha(sp);
            const auto mix = [&](int sc, int cc) { return (sc * a + cc * 255) / (a + 255); };
            out.setPixel(x, y, qRgba(mix(qRed(sp), c.red()), mix(qGreen(sp), c.green()), mix(qBlue(sp), c.blue()), qAlpha(b)));
        }
    return out;
}

} // namespace

TEST(MouseLessonsArt, KeysAndBackSignsLieUnderTheirClickAreas)
{
    const auto backOrange = [](const QImage& page, QRect area, const char* what) {
        ExpectPaintedUnder(page, area, 22, 36, what, 12);
    };
    backOrange(MiceScreen(), QRect(892, 644, 100, 55), "EgerekForm vissza");
    backOrange(ClickScreen(), QRect(892, 644, 100, 55), "EgerKattInfoForm vissza");
    backOrange(HeadsScreen(), QRect(892, 644, 100, 55), "heads page vissza");
    backOrange(KindsScreen(), QRect(892, 660, 100, 55), "EgerTipusForm vissza, moved down");
    backOrange(CursorScreen(), QRect(892, 660, 100, 55), "EgerKurzorForm vissza, moved down");
    ExpectDrawnUnder(MiceScreen(), QRect(882, 440, 115, 130), Drawn, "enter");
    ExpectDrawnUnder(KindsScreen(), QRect(896, 528, 97, 57), Drawn, "Backspace");
    ExpectDrawnUnder(CursorScreen(), QRect(914, 547, 57, 55), Drawn, "escape");
}

TEST(MouseLessonsArt, EachCursorShapeLiesInsideItsOwnArea)
{
    const QImage page = CursorScreen();
    const QRect areas[] = {{40, 496, 145, 161}, {184, 496, 161, 161}, {344, 496, 161, 161}, {504, 496, 161, 161},
                           {664, 496, 145, 161}};
    const auto red = [](const QColor& c) { return c.hsvSaturation() > 150 && (c.hsvHue() < 10 || c.hsvHue() > 350); };
    const auto black = [&](const QColor& c) { return c.value() < 40 || red(c); };
    for (const QRect& area : areas) {
        SCOPED_TRACE(area.x());
        const QRect found = Area(page, area, black);
        ASSERT_FALSE(found.isEmpty());
        EXPECT_TRUE(area.adjusted(8, 8, -8, -8).contains(found));
        EXPECT_GE(found.height(), area.height() * 4 / 10);
    }
    // The no-drop sign is the one red shape.
    EXPECT_GT(Count(page, QRect(664, 496, 145, 161), red), 1500);
    EXPECT_EQ(Count(page, QRect(40, 496, 624, 161), red), 0);
}

TEST(MouseLessonsArt, BlueWritingReadsWhereThePagesWrite)
{
    const struct {
        QImage page;
        QRect text;
        const char* what;
    } areas[] = {
        {MiceScreen(), {50, 210, 274, 220}, "EgerekForm, real mice"},
        {MiceScreen(), {480, 210, 384, 220}, "EgerekForm, computer mice"},
        {MiceScreen(), {880, 408, 121, 32}, "EgerekForm, the Enter label over the key"},
        {KindsScreen(), {100, 280, 724, 160}, "EgerTipusForm"},
        {KindsScreen(), {880, 496, 129, 32}, "EgerTipusForm, the Backspace label over the key"},
        {CursorScreen(), {70, 280, 754, 160}, "EgerKurzorForm"},
        {CursorScreen(), {880, 512, 129, 33}, "EgerKurzorForm, the Esc label"},
        {ClickScreen(), {100, 280, 724, 88}, "EgerKattInfoForm"},
        {ClickScreen(), {80, 697, 193, 16}, "jobbkez caption"},
        {ClickScreen(), {344, 697, 200, 16}, "balkez caption"},
        {ClickScreen(), {616, 697, 185, 32}, "rosszultart caption"},
        {HeadsScreen(), {100, 240, 724, 120}, "heads page"},
        {HeadsScreen(), {47, 575, 776, 72}, "the heads' blue frames"},
        {MouseLessonsDragArt::ExplanationScreen(), {160, 90, 734, 236}, "EgerDragDropForm"},
        {ChoiceScreen(), {100, 100, 794, 330}, "EgerSzinezoInfoForm"},
        {MouseLessonsInfoArt::RulesScreen(), {140, 90, 744, 230}, "EgerSzabalyokForm"},
        {MouseLessonsInfoArt::KindsOfMiceScreen(), {100, 120, 824, 220}, "EgerEgerfajtakForm"},
        {MouseLessonsInfoArt::ChooserScreen(), {75, 95, 789, 200}, "EgerJatekvalasztasForm"},
    };
    for (const auto& a : areas)
        EXPECT_GE(LeastContrast(a.page, a.text, Blue), 4.5) << a.what;
}

TEST(MouseLessonsArt, HandPicturesLeaveTheirCaptionBandsClear)
{
    using MouseLessonsDevicesArt::THold;
    const struct {
        QImage picture;
        int band;
    } hands[] = {{HandPicture(THold::Right), 16}, {HandPicture(THold::Left), 16}, {HandPicture(THold::Wrong), 32}};
    for (const auto& h : hands) {
        const QImage& p = h.picture;
        const QRect band(0, p.height() - h.band, p.width(), h.band);
        EXPECT_EQ(Area(p, band, [](const QColor& c) { return c.alpha() > 0; }), QRect());
        EXPECT_GT(Count(p, p.rect(), [](const QColor& c) { return c.alpha() > 200; }), p.width() * p.height() / 4);
    }
}

TEST(MouseLessonsArt, NorasHeadIsKnownAtItsSmallestBox)
{
    const QImage head = NoraHead().scaled(13, 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const auto hair = [](const QColor& c) {
        return c.alpha() > 150 && c.hsvHue() >= 8 && c.hsvHue() <= 30 && c.hsvSaturation() > 120 && c.value() < 220;
    };
    const auto skin = [](const QColor& c) {
        return c.alpha() > 150 && c.hsvHue() >= 10 && c.hsvHue() <= 40 && c.hsvSaturation() < 110 && c.value() > 200;
    };
    EXPECT_GE(Count(head, head.rect(), hair), 8) << "the auburn pigtails";
    EXPECT_GE(Count(head, head.rect(), skin), 6) << "the face";
    EXPECT_GE(Count(head, head.rect(), [](const QColor& c) { return c.alpha() > 150; }), 45);
}

TEST(MouseLessonsArt, SixteenPotsShowTheirColoursUnderTheirAreas)
{
    const struct {
        int left;
        int width;
        QRgb colour;
    } pots[] = {
        {16, 49, qRgb(255, 5, 5)},     {72, 49, qRgb(255, 69, 5)},   {128, 49, qRgb(255, 129, 5)},
        {184, 41, qRgb(255, 188, 5)},  {232, 49, qRgb(255, 255, 5)}, {288, 41, qRgb(172, 255, 5)},
        {336, 49, qRgb(5, 255, 69)},   {392, 41, qRgb(128, 210, 102)}, {440, 49, qRgb(19, 255, 5)},
        {496, 41, qRgb(5, 255, 188)},  {544, 41, qRgb(5, 206, 255)}, {592, 49, qRgb(5, 167, 255)},
        {648, 49, qRgb(5, 129, 255)},  {704, 49, qRgb(5, 91, 255)},  {760, 41, qRgb(5, 44, 255)},
        {808, 49, qRgb(206, 5, 255)},
    };
    for (const QImage& page : {DressScreen(), CarScreen()})
        for (const auto& pot : pots) {
            SCOPED_TRACE(pot.left);
            const auto same = [&](const QColor& c) {
                return std::abs(c.red() - qRed(pot.colour)) <= 3 && std::abs(c.green() - qGreen(pot.colour)) <= 3 &&
                       std::abs(c.blue() - qBlue(pot.colour)) <= 3;
            };
            const QRect area(pot.left, 600, pot.width, 49);
            const QRect found = Area(page, QRect(0, 580, 1024, 100), same);
            EXPECT_TRUE(area.contains(found)) << found.x() << "," << found.y() << " " << found.width() << "x" << found.height();
            EXPECT_GT(Count(page, area, same), 300);
        }
}

TEST(MouseLessonsArt, PaintShowsPureWhereTheShadingIsClearAndKeepsItsShadingElsewhere)
{
    const QColor paint(5, 167, 255);
    for (TGarment garment : {TGarment::Shirt, TGarment::Skirt, TGarment::Car}) {
        SCOPED_TRACE(int(garment));
        const QImage base = Base(garment).convertToFormat(QImage::Format_ARGB32);
        const QImage shading = Shading(garment).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(base.size(), shading.size());
        const QImage tinted = Tint(base, shading, paint);
        int garmentPixels = 0, pure = 0, darker = 0, shadingOutside = 0, opaqueShading = 0;
        for (int y = 0; y < base.height(); ++y)
            for (int x = 0; x < base.width(); ++x) {
                const int s = qAlpha(shading.pixel(x, y));
                if (qAlpha(base.pixel(x, y)) == 0) {
                    shadingOutside += s > 0;
                    continue;
                }
                ++garmentPixels;
                opaqueShading += s == 255;
                const QColor c = QColor::fromRgba(tinted.pixel(x, y));
                pure += s == 0 && c.rgb() == paint.rgb();
                darker += c.value() < paint.value() * 85 / 100;
            }
        EXPECT_EQ(shadingOutside, 0) << "shading only where the base shows";
        EXPECT_GT(pure, garmentPixels / 3) << "most of it takes the pure paint";
        EXPECT_GT(opaqueShading, garmentPixels / 30) << "an opaque outline";
        EXPECT_GT(darker, garmentPixels / 10) << "folds, shadow and outline stay darker than the paint";
    }
}

TEST(MouseLessonsArt, TheCarsWheelsAndGlassShowThroughFromTheBackground)
{
    const QImage car = Base(TGarment::Car);
    const QImage page = CarScreen();
    // Wheel centres and a window, in the car picture's coordinates; the car lies at 223/207.
    for (const QPoint hole : {QPoint(96, 94), QPoint(400, 94), QPoint(220, 38), QPoint(300, 38)})
        EXPECT_EQ(qAlpha(car.pixel(hole)), 0) << hole.x();
    const auto tyre = [](const QColor& c) { return c.value() < 70; };
    EXPECT_GT(Count(page, QRect(223 + 70, 207 + 70, 12, 40), tyre), 150) << "the rear tyre";
    EXPECT_GT(Count(page, QRect(223 + 374, 207 + 70, 12, 40), tyre), 150) << "the front tyre";
    const auto glass = [](const QColor& c) { return c.hsvHue() > 190 && c.hsvHue() < 220 && c.hsvSaturation() > 40; };
    EXPECT_GT(Count(page, QRect(223 + 190, 207 + 32, 50, 10), glass), 300);
}

TEST(MouseLessonsArt, TheHouseStandsInThePagesHouseRectangle)
{
    const QImage page = MouseLessonsDragArt::HouseScreen();
    const QRect house(40, 530, 154, 236);
    const auto roofRed = [](const QColor& c) {
        return c.hsvSaturation() > 150 && c.value() > 150 && (c.hsvHue() < 10 || c.hsvHue() > 350);
    };
    const QRect roof = Area(page, page.rect(), roofRed);
    EXPECT_TRUE(house.contains(roof)) << roof.x() << "," << roof.y() << " " << roof.width() << "x" << roof.height();
    EXPECT_GE(roof.width(), house.width() * 9 / 10);
    EXPECT_LE(roof.top(), house.top() + 6);
    // The open door is dark down to the page's bottom edge, where the grass will cover it.
    EXPECT_GT(Count(page, QRect(100, 700, 30, 60), Dark), 1500);
}

TEST(MouseLessonsArt, ChoicePicturesAndGameTitlesLieUnderTheirAreas)
{
    const QImage choice = ChoiceScreen();
    ExpectPaintedUnder(choice, QRect(105, 455, 187, 187), 340, 356, "imgTivadar", 20);
    ExpectPaintedUnder(choice, QRect(554, 467, 255, 174), 340, 356, "imgNora", 20);
    const QImage chooser = MouseLessonsInfoArt::ChooserScreen();
    ExpectPaintedUnder(chooser, QRect(80, 310, 295, 100), 40, 56, "imgLepkevadasz", 28);
    ExpectPaintedUnder(chooser, QRect(480, 310, 315, 105), 40, 56, "imgLufi", 28);
    ExpectPaintedUnder(chooser, QRect(60, 480, 365, 75), 40, 56, "imgJobbraBalra", 28);
    ExpectPaintedUnder(chooser, QRect(500, 480, 260, 75), 40, 56, "imgKosar", 28);
    // The mouse pad and the trackball under the pictures the learner double-clicks.
    ExpectPaintedUnder(MouseLessonsInfoArt::RulesScreen(), QRect(295, 340, 395, 302), 205, 225, "Image1, the mouse pad", 20);
    ExpectDrawnUnder(MouseLessonsInfoArt::KindsOfMiceScreen(), QRect(591, 463, 238, 163), Dark, "imgHanyatteger");
}

TEST(MouseLessonsArt, EveryGameTitleKeepsAMarginInsideItsSign)
{
    const QImage chooser = MouseLessonsInfoArt::ChooserScreen();
    // The brown lettering; the rim is a lighter brown, the sky and the pictures are not brown.
    const auto lettering = [](const QColor& c) { return c.red() < 175 && c.green() < 110 && c.blue() < 60; };
    const QRect signs[] = {{80, 310, 295, 100}, {480, 310, 315, 105}, {60, 480, 365, 75}, {500, 480, 260, 75}};
    for (const QRect& sign : signs) {
        SCOPED_TRACE(sign.x());
        // Right of the game's picture, which ends 7 pixels short of a square as wide as the sign is high.
        const QRect beside = sign.adjusted(sign.height() - 6, 0, 0, 0);
        const QRect ink = Area(chooser, beside, lettering);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_GE(ink.height(), 18) << "large enough to read";
        EXPECT_GE(ink.left() - beside.left(), 10) << "clear of the picture";
        EXPECT_GE(sign.right() - ink.right(), 14);
        EXPECT_GE(ink.top() - sign.top(), 14);
        EXPECT_GE(sign.bottom() - ink.bottom(), 14);
    }
}

TEST(MouseLessonsArt, PicturesThePagesShowThemselvesAreNotDrawnIntoTheBackgrounds)
{
    const auto hair = [](const QColor& c) { return c.hsvHue() >= 10 && c.hsvHue() <= 30 && c.hsvSaturation() > 120; };
    EXPECT_EQ(Count(HeadsScreen(), QRect(48, 576, 775, 70), hair), 0) << "the thirteen heads";
    const QRect nyilacska(645, 335, 168, 231); // above the floor shadow at his feet
    EXPECT_LT(Count(MouseLessonsDragArt::ExplanationScreen(), nyilacska, Drawn), 168 * 231 / 100) << "Nyilacska";
    const auto shirtPink = [](const QColor& c) { return c.hsvHue() >= 300 && c.hsvHue() <= 345 && c.hsvSaturation() > 120; };
    EXPECT_EQ(Count(DressScreen(), QRect(379, 268, 123, 133), shirtPink), 0) << "Nóra's own T-shirt and skirt";
    const auto paintRed = [](const QColor& c) {
        return c.hsvSaturation() > 150 && c.value() > 120 && (c.hsvHue() < 10 || c.hsvHue() > 350);
    };
    EXPECT_EQ(Count(CarScreen(), QRect(403, 267, 70, 25), paintRed), 0) << "the car's doors";
}
