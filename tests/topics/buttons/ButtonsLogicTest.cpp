#include "topics/buttons/ButtonsRoad.h"
#include "topics/buttons/PuzzleBoard.h"
#include "topics/buttons/QuizResult.h"

#include "platform/FixedRandom.h"

#include <gtest/gtest.h>

namespace {

using namespace ButtonsRoad;

TEST(ButtonsRoadTest, LessonsFollowEachOtherWhateverTheStep)
{
    const std::pair<const char*, TPage> rows[] = {
        {"GOMBGOMBFORM", TPage::Sokfalyta},      {"GOMBSOKFALYTAFORM", TPage::Fokuszos},
        {"GOMBFOKUSZOSFORM", TPage::Tabulator},  {"GOMBTABULATORFORM", TPage::Inaktiv},
        {"GOMBINAKTIVFORM", TPage::Accelerated}, {"GOMBACCELERATEDFORM", TPage::Eszkoztarak},
        {"GOMBESZKOZTARAKFORM", TPage::Kirako},  {"GOMBANGOLFORM", TPage::Kerdesek},
        {"GOMBKERDESEKFORM", TPage::Ertekeles},
    };
    for (const auto& [page, next] : rows) {
        for (const char* step : {"NOTHING", "FINISHED", "R1_READY"}) {
            const TAction action = Next(page, step);
            EXPECT_EQ(action.move, TMove::SwitchTo) << page << " " << step;
            EXPECT_EQ(action.page, next) << page << " " << step;
            EXPECT_TRUE(action.stepReady.isEmpty() && !action.closing) << page << " " << step;
        }
    }
}

TEST(ButtonsRoadTest, PuzzleAndEvaluationTellTheTwoHalvesApartByFinished)
{
    const TAction firstPuzzle = Next("GOMBKIRAKOFORM", "NOTHING");
    EXPECT_EQ(firstPuzzle.page, TPage::Angol);
    EXPECT_EQ(firstPuzzle.stepReady, "");

    const TAction quizRating = Next("ERTEKELES", "NOTHING");
    EXPECT_EQ(quizRating.page, TPage::Kirako);
    EXPECT_EQ(quizRating.stepReady, "FINISHED");
    EXPECT_FALSE(quizRating.closing);

    const TAction secondPuzzle = Next("GOMBKIRAKOFORM", "FINISHED");
    EXPECT_EQ(secondPuzzle.page, TPage::Ertekeles);
    EXPECT_EQ(secondPuzzle.stepReady, "FINISHED");
    EXPECT_TRUE(secondPuzzle.closing);

    EXPECT_EQ(Next("ERTEKELES", "FINISHED").move, TMove::ReturnToMain);
}

TEST(ButtonsRoadTest, PagesOfOtherTopicsAreUnknown)
{
    for (const char* page : {"OSZTALYBE", "GOMBGOMBFORM ", "gombgombform", ""})
        EXPECT_EQ(Next(page, "NOTHING").move, TMove::Unknown) << page;
}

TEST(ButtonsRoadTest, ClosingTextNamesTheLearner)
{
    EXPECT_EQ(ClosingText("Anna"), "Név: Anna<BR><BR>Gratulálok, ezzel a témakörrel is végeztél!<BR>Tudásod sokat "
                                   "gyarapodott, használd fel jól!<BR>Már tudod, hogy mire kell kattintanod!");
    EXPECT_TRUE(ClosingText("").startsWith("Név: <BR><BR>Gratulálok"));
}

TEST(PuzzleBoardTest, SeededShuffleDrawsNineTimesAndSwapsByTheDraws)
{
    // Draws 3, 0, 1, 9, 0, 0, 0, 2, 5: tile 1 <-> 3 and back, 4 <-> 9, 8 <-> 2, then 9 <-> 5.
    TFixedRandom random({3, 0, 1, 9, 0, 0, 0, 2, 5});
    TPuzzleBoard board;
    board.Shuffle(random);
    EXPECT_EQ(random.Calls(), 9);
    EXPECT_TRUE(board.Shuffled());
    const int expected[] = {1, 8, 3, 9, 4, 6, 7, 2, 5};
    for (int tile = 1; tile <= 9; ++tile)
        EXPECT_EQ(board.SlotOf(tile), expected[tile - 1]) << "tile " << tile;
    for (int slot = 1; slot <= 9; ++slot)
        EXPECT_EQ(board.SlotOf(board.TileInSlot(slot)), slot);
}

TEST(PuzzleBoardTest, ShuffleMayLeaveThePictureWholeAndClearsAPick)
{
    TFixedRandom random({0});
    TPuzzleBoard board;
    EXPECT_EQ(board.Click(4), TPuzzleBoard::TClick::Selected);
    board.Shuffle(random);
    EXPECT_TRUE(board.Solved());
    EXPECT_EQ(board.SelectedSlot(), 0);
    // The next click picks, it does not swap with the tile picked before the shuffle.
    EXPECT_EQ(board.Click(7), TPuzzleBoard::TClick::Selected);
}

TEST(PuzzleBoardTest, SwapAndSwapBackSolvesAndRepeatClickCancels)
{
    TPuzzleBoard board;
    EXPECT_EQ(board.Click(2), TPuzzleBoard::TClick::Selected);
    EXPECT_EQ(board.SelectedSlot(), 2);
    EXPECT_EQ(board.Click(2), TPuzzleBoard::TClick::Cancelled);
    EXPECT_EQ(board.SelectedSlot(), 0);

    EXPECT_EQ(board.Click(2), TPuzzleBoard::TClick::Selected);
    EXPECT_EQ(board.Click(6), TPuzzleBoard::TClick::Swapped);
    EXPECT_EQ(board.Partner(), 2);
    EXPECT_EQ(board.SlotOf(2), 6);
    EXPECT_EQ(board.SlotOf(6), 2);
    EXPECT_EQ(board.TileInSlot(2), 6);
    EXPECT_EQ(board.SelectedSlot(), 0);

    // Tile 6 now stands in slot 2: picking it and then tile 2 puts both home.
    EXPECT_EQ(board.Click(6), TPuzzleBoard::TClick::Selected);
    EXPECT_EQ(board.SelectedSlot(), 2);
    EXPECT_EQ(board.Click(2), TPuzzleBoard::TClick::Solved);
    EXPECT_TRUE(board.Solved());
}

TEST(QuizResultTest, RightAnswersByButtonIndex)
{
    const int expected[] = {0, 1, 2, 1, 0, 1, 1, 0, 2, 1, 0, 0};
    for (int q = 1; q <= 12; ++q)
        EXPECT_EQ(QuizResult::RightAnswer(q), expected[q - 1]) << q;
    EXPECT_EQ(QuizResult::RightAnswer(0), -1);
    EXPECT_EQ(QuizResult::RightAnswer(13), -1);
}

TEST(QuizResultTest, RatingChangesAtItsBoundaries)
{
    const QString none = "Hibátlan, szuper vagy!";
    const QString few = "Egy-két hiba nem a világ, jó vagy!";
    const QString some = "Pár választ elrontottál, de még így is elégedett lehetsz!";
    const QString more = "Kicsit jobban figyelj oda!";
    const QString many = "Sok a hibád, szerintem szórakoztál a gombokkal!";
    const std::pair<int, QString> cases[] = {{0, none}, {1, few},  {2, few},  {3, some}, {4, some},
                                             {5, more}, {8, more}, {9, many}, {12, many}};
    for (const auto& [wrong, word] : cases)
        EXPECT_EQ(QuizResult::Rating(wrong), word) << wrong;
}

TEST(QuizResultTest, EvaluationTextPutsTheTotalBeforeTheRightAnswers)
{
    EXPECT_EQ(QuizResult::EvaluationText("Bence", 9),
              "Feladat: Teszt <BR>Név: Bence<BR>Teljesítmény: 12/9 <BR>Értékelés: Pár választ elrontottál, de még így "
              "is elégedett lehetsz!<BR><BR>Ha elolvastad, akkor nyomd meg az L billentyűt!");
}

} // namespace
