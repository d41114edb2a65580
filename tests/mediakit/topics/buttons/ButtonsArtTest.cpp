// What the buttons topic's pictures show: picture buttons see-through around their shape, the
// puzzle's pieces each different, painted buttons under the pages' click areas, and text areas
// where blue and yellow writing reads.

#include "mediakit/PictureChecks.h"
#include "mediakit/topics/buttons/ButtonsPicturesArt.h"
#include "mediakit/topics/buttons/ButtonsScreensArt.h"
#include "mediakit/topics/buttons/PuzzleArt.h"
#include "mediakit/topics/mouse/GameButtonsMedia.h"

#include <QColor>
#include <gtest/gtest.h>

using PictureChecks::Count;
using PictureChecks::ExpectPaintedUnder;
using PictureChecks::LeastContrast;

namespace {

int Alpha(const QImage& image, int x, int y)
{
    return qAlpha(image.pixel(x, y));
}

} // namespace

TEST(ButtonsArt, PictureButtonsAreSeeThroughOutsideTheirShape)
{
    const QImage round = ButtonsPicturesArt::RoundButton();
    EXPECT_EQ(Alpha(round, 2, 2), 0);
    EXPECT_EQ(Alpha(round, 67, 67), 0);
    EXPECT_EQ(Alpha(round, 35, 35), 255);
    EXPECT_EQ(Alpha(round, 35, 5), 255) << "round to its top edge";

    const QImage oval = ButtonsPicturesArt::EllipseButton();
    EXPECT_EQ(Alpha(oval, 3, 3), 0);
    EXPECT_EQ(Alpha(oval, 92, 33), 0);
    EXPECT_EQ(Alpha(oval, 8, 18), 255) << "the oval reaches its left end";
    EXPECT_EQ(Alpha(oval, 88, 18), 255);

    // The head: the corners show the page, the face is solid.
    const QImage head = ButtonsPicturesArt::NoraButton();
    EXPECT_EQ(Alpha(head, 1, 1), 0);
    EXPECT_EQ(Alpha(head, 133, 73), 0);
    EXPECT_EQ(Alpha(head, 67, 45), 255);

    for (const QImage& sign : {GameButtonsMedia::BackButton(), GameButtonsMedia::ExitGameButton()}) {
        EXPECT_EQ(Alpha(sign, 0, 0), 0);
        EXPECT_EQ(Alpha(sign, 52, 30), 255);
    }
}

TEST(ButtonsArt, HousePicturesLeaveTheHouseButtonsBottomEdgeFree)
{
    // The picture's top is at 520, the buttons above it end at 525.
    const auto pictures = ButtonsPicturesArt::LargePictures();
    ASSERT_EQ(pictures.size(), 8u);
    for (std::size_t i = 4; i < 8; ++i) {
        SCOPED_TRACE(i);
        const QImage& house = pictures[i].image;
        for (int x = 20; x < 220; x += 20)
            EXPECT_EQ(Alpha(house, x, 7), 0);
        EXPECT_EQ(Alpha(house, 120, 30), 255);
    }
}

TEST(ButtonsArt, EveryPuzzlePieceIsDifferentFromTheOthers)
{
    for (int n = 1; n <= 2; ++n) {
        SCOPED_TRACE(n);
        const QImage picture = PuzzleArt::Picture(n);
        std::vector<QImage> pieces;
        for (int k = 0; k < 9; ++k)
            pieces.push_back(picture.copy(85 * (k % 3), 85 * (k / 3), 85, 85));
        for (int a = 0; a < 9; ++a)
            for (int b = a + 1; b < 9; ++b) {
                // Told apart by eye, not by a stray pixel: a tenth of the piece differs clearly.
                int differing = 0;
                for (int y = 0; y < 85; ++y)
                    for (int x = 0; x < 85; ++x) {
                        const QRgb p = pieces[a].pixel(x, y);
                        const QRgb q = pieces[b].pixel(x, y);
                        differing += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                                         std::abs(qBlue(p) - qBlue(q)) > 60;
                    }
                EXPECT_GT(differing, 85 * 85 / 10) << "pieces " << a + 1 << " and " << b + 1;
            }
    }
    EXPECT_NE(PuzzleArt::Picture(1), PuzzleArt::Picture(2));
}

TEST(ButtonsArt, PaintedButtonsLieUnderTheirClickAreas)
{
    const QImage puzzle = ButtonsScreensArt::PuzzleScreen();
    ExpectPaintedUnder(puzzle, QRect(120, 416, 100, 40), 260, 290, "Keverés");
    ExpectPaintedUnder(puzzle, QRect(400, 672, 100, 35), 125, 160, "Tovább");
    ExpectPaintedUnder(ButtonsScreensArt::QuizScreen(), QRect(224, 120, 169, 57), 205, 225, "Súgó", 12);
}

TEST(ButtonsArt, WritingAreasStayReadable)
{
    const QRgb blue = qRgb(0, 0, 255);
    // Blue instructions of the six lesson pages, the shapes page and the puzzle.
    EXPECT_GE(LeastContrast(ButtonsScreensArt::LessonScreen(), QRect(70, 215, 874, 185), blue), 6.0);
    EXPECT_GE(LeastContrast(ButtonsScreensArt::ShapesScreen(), QRect(70, 215, 870, 80), blue), 6.0);
    EXPECT_GE(LeastContrast(ButtonsScreensArt::PuzzleScreen(), QRect(40, 490, 880, 150), blue), 6.0);
    // The tool-bar page's yellow captions at top 420.
    EXPECT_GE(LeastContrast(ButtonsScreensArt::ToolBarScreen(), QRect(80, 418, 840, 24), qRgb(255, 255, 51)), 7.0);
    // The English page: blue above and below the board, yellow on it.
    const QImage english = ButtonsScreensArt::EnglishScreen();
    EXPECT_GE(LeastContrast(english, QRect(40, 110, 780, 80), blue), 6.0);
    EXPECT_GE(LeastContrast(english, QRect(60, 216, 920, 432), qRgb(255, 255, 17)), 7.0);
    EXPECT_GE(LeastContrast(english, QRect(40, 680, 820, 24), blue), 6.0);
    // The quiz's questions left of the check marks, and the help panel.
    EXPECT_GE(LeastContrast(ButtonsScreensArt::QuizScreen(), QRect(40, 200, 740, 540), blue), 6.0);
    EXPECT_GE(LeastContrast(ButtonsScreensArt::HelpPanel(), QRect(20, 20, 797, 500), blue), 6.0);
}

TEST(ButtonsArt, OnlyTheToolBarPictureHasTheDarkCaptionBand)
{
    const QRect band(40, 410, 944, 36);
    const auto dark = [](const QColor& c) { return c.value() < 140; };
    // The first drawing in a process differs from later ones by a few pixels; compare two later ones.
    ButtonsScreensArt::LessonScreen();
    const QImage lesson = ButtonsScreensArt::LessonScreen();
    const QImage toolBar = ButtonsScreensArt::ToolBarScreen();
    EXPECT_EQ(Count(lesson, band, dark), 0) << "the five other lesson pages write nothing there";
    EXPECT_GT(Count(toolBar, band, dark), 944 * 36 * 3 / 4);
    // Above the band the two pictures are the same page.
    EXPECT_EQ(toolBar.copy(0, 0, 1024, 400), lesson.copy(0, 0, 1024, 400));
}

TEST(ButtonsArt, QuizRowsStopBeforeTheBackPicture)
{
    // The back picture stands at (888, 664), 104 x 61. From 8 pixels left of it to the page's
    // right edge, down past the last row, the quiz page is the bare backdrop the plain lesson
    // picture shows there too: no panel or row stripe runs under the picture.
    const QRect beside(880, 400, 144, 345);
    EXPECT_EQ(ButtonsScreensArt::QuizScreen().copy(beside), ButtonsScreensArt::LessonScreen().copy(beside));
}

TEST(ButtonsArt, PuzzleNoteStaysOutOfTheGuidesClip)
{
    // The clip's frames are see-through: blue lettering under them would show through the guide.
    const QImage puzzle = ButtonsScreensArt::PuzzleScreen();
    const QRect clip(598, 138, 190, 220);
    int lettering = 0;
    for (int y = clip.top(); y <= clip.bottom(); ++y)
        for (int x = clip.left(); x <= clip.right(); ++x) {
            const QColor c(puzzle.pixel(x, y));
            lettering += c.hsvSaturation() > 100 && c.hsvHue() >= 200 && c.hsvHue() <= 240;
        }
    EXPECT_EQ(lettering, 0);
}
