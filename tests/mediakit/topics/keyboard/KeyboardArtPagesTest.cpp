// The keyboard topic's page backgrounds: buttons under their click areas, panels under their
// labels, and calm light areas where the pages write blue text.

#include "mediakit/PictureChecks.h"
#include "mediakit/topics/keyboard/KeyboardArt.h"
#include "mediakit/topics/keyboard/KeyboardInfoArt.h"
#include "mediakit/topics/keyboard/KeyboardPagesArt.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace Places = KeyboardPagesArt::Places;

using PictureChecks::LeastContrast;

namespace {

const QRgb PureBlue = qRgb(0, 0, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Maroon = qRgb(128, 0, 0);

// A button drawn in its own colour: every pixel of that colour near the click area lies inside
// it, and together they span most of it.
void ExpectButtonUnder(const QImage& picture, QRect area, const std::function<bool(QRgb)>& ofButton, const char* what)
{
    SCOPED_TRACE(what);
    const QRect around = area.adjusted(-40, -40, 40, 40).intersected(picture.rect());
    QRect found;
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x)
            if (ofButton(picture.pixel(x, y)))
                found |= QRect(x, y, 1, 1);
    ASSERT_FALSE(found.isEmpty());
    EXPECT_TRUE(area.contains(found)) << "button drawn at " << found.x() << "," << found.y() << " " << found.width()
                                      << "x" << found.height();
    EXPECT_GE(found.width(), area.width() * 9 / 10);
    EXPECT_GE(found.height(), area.height() * 8 / 10);
}

// The back button's orange edge and arrow disc.
bool BackOrange(QRgb c)
{
    const QColor colour(c);
    return colour.hsvSaturation() > 150 && colour.hsvHue() >= 22 && colour.hsvHue() <= 36 && colour.value() > 150;
}

// The read-it button's green edge.
bool ReadGreen(QRgb c)
{
    const QColor colour(c);
    return colour.hsvSaturation() > 120 && colour.hsvHue() >= 120 && colour.hsvHue() <= 150;
}

// Average colour of a rectangle.
QColor Mean(const QImage& picture, QRect rect)
{
    double r = 0, g = 0, b = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb c = picture.pixel(x, y);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
    const double n = double(rect.width()) * rect.height();
    return QColor(int(r / n), int(g / n), int(b / n));
}

} // namespace

TEST(KeyboardArtPages, EveryBackButtonLiesUnderItsClickArea)
{
    const QPoint typingShift(0, -Places::TypingPictureTop);
    ExpectButtonUnder(KeyboardArt::KeyboardScreen(), Places::BackArea, BackOrange, "billentyuzet.jpg");
    ExpectButtonUnder(KeyboardPagesArt::LetterHuntScreen(), Places::BackArea, BackOrange, "betuvadaszat.jpg");
    // The typing page shows its picture 8 px higher, so the button is drawn 8 px lower.
    ExpectButtonUnder(KeyboardPagesArt::TypingScreen(), Places::BackArea.translated(typingShift), BackOrange,
                      "szogepeles.jpg");
    ExpectButtonUnder(KeyboardPagesArt::InfoScreen(), Places::BackArea, BackOrange, "BillInfo.jpg");
    const QImage evaluation = KeyboardPagesArt::EvaluationScreen();
    ExpectButtonUnder(evaluation, Places::EvaluationBack, BackOrange, "ertekeles.jpg back");
    ExpectButtonUnder(evaluation, Places::EvaluationRead, ReadGreen, "ertekeles.jpg read it");
}

TEST(KeyboardArtPages, BlueTextAreasStayCalmAndLight)
{
    const QPoint typingShift(0, -Places::TypingPictureTop);
    // WCAG's 4.5 for normal text; the plain page colour itself gives blue text about 5.
    const double needed = 4.5;
    EXPECT_GE(LeastContrast(KeyboardArt::KeyboardScreen(), Places::PracticeTask, PureBlue), needed);
    EXPECT_GE(LeastContrast(KeyboardPagesArt::LetterHuntScreen(), Places::HuntTask, PureBlue), needed);
    EXPECT_GE(LeastContrast(KeyboardPagesArt::LetterHuntScreen(), Places::HuntClock, PureBlue), needed);
    const QImage typing = KeyboardPagesArt::TypingScreen();
    EXPECT_GE(LeastContrast(typing, Places::HuntTask.translated(typingShift), PureBlue), needed);
    EXPECT_GE(LeastContrast(typing, Places::TypingWord.translated(typingShift), PureBlue), needed);
    EXPECT_GE(LeastContrast(KeyboardPagesArt::EvaluationScreen(), Places::EvaluationText, PureBlue), needed);
    EXPECT_GE(LeastContrast(KeyboardPagesArt::InfoScreen(), Places::InfoText, PureBlue), needed);

    // The typing strip is plain white where the edit box lies.
    const QRect edit = Places::TypingEdit.translated(typingShift);
    EXPECT_EQ(Mean(typing, edit), QColor(Qt::white));
}

TEST(KeyboardArtPages, LetterHuntPanelsAreBlueAndGreenUnderTheirLabels)
{
    const QImage hunt = KeyboardPagesArt::LetterHuntScreen();
    const QColor target = Mean(hunt, Places::HuntTarget);
    const QColor wrong = Mean(hunt, Places::HuntWrong);
    EXPECT_GT(target.blue(), target.red() + 30) << "a blue panel";
    EXPECT_GT(wrong.green(), wrong.red() + 30) << "a green panel";
    EXPECT_GT(wrong.green(), wrong.blue() + 20);
    // The target letter is written in black, the wrong one in maroon, 107 px high.
    EXPECT_GE(LeastContrast(hunt, Places::HuntTarget.adjusted(6, 6, -6, -6), Black), 7);
    EXPECT_GE(LeastContrast(hunt, Places::HuntWrong.adjusted(6, 6, -6, -6), Maroon), 4.5);
    // The panels' frames show around the labels.
    const QRect frameStrip(Places::HuntTarget.left() + 20, Places::HuntTarget.top() - 6, 60, 3);
    EXPECT_GT(Mean(hunt, frameStrip).blue(), Mean(hunt, frameStrip).red() + 60);
}

TEST(KeyboardArtPages, InfoPicturesAreCardsThatLeaveNothingBehindAndTheSignIsSeeThrough)
{
    const QImage pictures[] = {KeyboardInfoArt::DirtyHandsPicture(), KeyboardInfoArt::FoodPicture(),
                               KeyboardInfoArt::DrinkPicture()};
    for (const QImage& picture : pictures) {
        EXPECT_EQ(picture.size(), Places::InfoPictures[0].size());
        EXPECT_TRUE(picture.hasAlphaChannel());
        // Rounded card: the corners are empty, the middle is covered.
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(picture.pixel(189, 189)), 0);
        EXPECT_EQ(qAlpha(picture.pixel(95, 95)), 255);
    }
    const QImage sign = KeyboardInfoArt::ProhibitionSign();
    EXPECT_EQ(sign.size(), QSize(190, 190));
    // Red on the ring and on the bar, the picture under it visible in the two halves between.
    const QColor ring(sign.pixel(95, 95 - 78));
    EXPECT_EQ(ring.alpha(), 255);
    EXPECT_GT(ring.red(), 180);
    EXPECT_LT(ring.green(), 80);
    const QColor bar(sign.pixel(95, 95));
    EXPECT_GT(bar.red(), 180);
    EXPECT_EQ(qAlpha(sign.pixel(95 + 30, 95 - 30)), 0);
    EXPECT_EQ(qAlpha(sign.pixel(95 - 30, 95 + 30)), 0);
    EXPECT_EQ(qAlpha(sign.pixel(2, 2)), 0);
}
