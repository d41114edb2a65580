#include "topics/mouse/MouseRoad.h"

#include <gtest/gtest.h>

namespace {

using namespace MouseRoad;

// One row of the road: the page that notified, the board, and the answer in short.
struct TRow {
    const char* page;
    const char* stepReady;
    const char* action;
    bool round;
    const char* choice; // nullptr: "JATEKVALASZT" absent
    TPage next;
    const char* step;
    const char* putAction;
    const char* putStepReady;
    bool takeAction;
    bool removeChoice;
};

void PrintTo(const TRow& row, std::ostream* out)
{
    *out << row.page << "/" << row.stepReady << "/" << row.action << (row.round ? "/round" : "")
         << (row.choice ? "/chosen " : "") << (row.choice ? row.choice : "");
}

constexpr const char* None = "";
constexpr const char* Nothing = "NOTHING";

const TRow Rows[] = {
    // The lessons, one after the other, whatever "STEP_READY" held.
    {"EGEREKFORM", Nothing, None, false, nullptr, TPage::EgerTipus, None, None, None, false, false},
    {"EGERTIPUSFORM", "LEPKEVADASZ", None, false, nullptr, TPage::EgerKurzor, None, None, None, false, false},
    {"EGERKURZORFORM", Nothing, None, false, nullptr, TPage::EgerKattInfo, None, None, None, false, false},
    {"EGERKATTINFOFORM", Nothing, None, false, nullptr, TPage::EgerKattint, None, None, None, false, false},
    {"EGERKATTINTFORM", Nothing, None, false, nullptr, TPage::Lepkevadasz, "LEPKEVADASZ", "START", None, false,
     false},
    // The butterfly hunt: a round to its evaluation, the evaluation to the next round, the way out on.
    {"LEPKEVADASZFORM", "RESULT", "START", false, nullptr, TPage::Ertekeles, None, None, "LEPKEVADASZ", false,
     false},
    {"ERTEKELES", "LEPKEVADASZ", None, false, nullptr, TPage::Lepkevadasz, "LEPKEVADASZ", "LEPKEVADASZ_CONTINUE",
     None, false, false},
    {"LEPKEVADASZFORM", "LEPKEVADASZ", "START", false, nullptr, TPage::EgerBallJobb, None, None, None, true, false},
    {"LEPKEVADASZFORM", "LEPKEVADASZ", "START", false, "LEPKE", TPage::EgerJatekvalasztas, None, None, None, true,
     true},
    {"EGERBALLJOBBFORM", Nothing, None, false, nullptr, TPage::Egervadaszat, None, None, None, false, false},
    // The mouse hunt: left on, left back to the chooser, a round evaluated, repeated or over.
    {"EGERVADASZATFORM", Nothing, "NEXTFORM", false, nullptr, TPage::DuplaKatt, None, None, None, true, false},
    {"EGERVADASZATFORM", Nothing, "NEXTFORM", false, "EGERVADASZ", TPage::EgerJatekvalasztas, None, None, None,
     true, true},
    {"EGERVADASZATFORM", Nothing, None, true, nullptr, TPage::Ertekeles, None, None, "EGERVADASZATFORM", false,
     false},
    {"ERTEKELES", "EGERVADASZATFORM", None, true, "EGERVADASZ", TPage::Egervadaszat, None, None, None, false, false},
    {"ERTEKELES", "EGERVADASZATFORM", None, false, nullptr, TPage::DuplaKatt, None, None, None, false, false},
    {"ERTEKELES", "EGERVADASZATFORM", None, false, "EGERVADASZ", TPage::EgerJatekvalasztas, None, None, None,
     false, true},
    // Double click and the balloons, as the mouse hunt.
    {"DUPLAKATTFORM", Nothing, None, false, nullptr, TPage::EgerLufipukk, None, None, None, false, false},
    {"EGERLUFIPUKKFORM", Nothing, "NEXTFORM", false, nullptr, TPage::EgerDragDrop, None, None, None, true, false},
    {"EGERLUFIPUKKFORM", Nothing, "START", false, nullptr, TPage::Ertekeles, None, None, "EGERLUFIPUKKFORM", false,
     false},
    {"ERTEKELES", "EGERLUFIPUKKFORM", None, true, nullptr, TPage::EgerLufipukk, None, None, None, false, false},
    {"ERTEKELES", "EGERLUFIPUKKFORM", None, false, "LUFI", TPage::EgerJatekvalasztas, None, None, None, false,
     true},
    {"EGERDRAGDROPFORM", Nothing, None, false, nullptr, TPage::EgerAHazbaBe, None, None, None, false, false},
    {"EGERAHAZBABEFORM", Nothing, None, false, nullptr, TPage::EgerBasketBall, None, None, None, false, false},
    // Basketball: after an evaluation always another game, whatever else is on the board.
    {"EGERBASKETBALLFORM", Nothing, "AUTO", false, nullptr, TPage::Ertekeles, None, None, "EGERBASKETBALLFORM",
     false, false},
    {"ERTEKELES", "EGERBASKETBALLFORM", None, false, "KOSAR", TPage::EgerBasketBall, None, None, None, false,
     false},
    {"EGERBASKETBALLFORM", Nothing, "NEXTFORM", false, nullptr, TPage::EgerSzinezoInfo, None, None, None, true,
     false},
    {"EGERBASKETBALLFORM", Nothing, "NEXTFORM", false, "KOSAR", TPage::EgerJatekvalasztas, None, None, None, true,
     true},
    // The colouring and the closing pages; the closing evaluation finds no "STEP_READY".
    {"EGERSZINEZOINFOFORM", Nothing, "RUHA", false, nullptr, TPage::EgerNoraSzinez, None, None, None, false,
     false},
    {"EGERNORASZINEZFORM", Nothing, "AUTO", false, nullptr, TPage::EgerSzabalyok, None, None, None, true, false},
    {"EGERSZABALYOKFORM", Nothing, None, false, nullptr, TPage::EgerEgerfajtak, None, None, None, false, false},
    {"ERTEKELES", Nothing, None, false, nullptr, TPage::EgerJatekvalasztas, None, None, None, false, false},
    // The chooser starts the game and leaves the choice on the board.
    {"EGERJATEKVALASZTASFORM", Nothing, None, false, "LEPKE", TPage::Lepkevadasz, "LEPKEVADASZ", "START", None,
     false, false},
    {"EGERJATEKVALASZTASFORM", Nothing, None, false, "LUFI", TPage::EgerLufipukk, None, None, None, false, false},
    {"EGERJATEKVALASZTASFORM", Nothing, None, false, "EGERVADASZ", TPage::Egervadaszat, None, None, None, false,
     false},
    {"EGERJATEKVALASZTASFORM", Nothing, None, false, "KOSAR", TPage::EgerBasketBall, None, None, None, false,
     false},
};

class MouseRoadRows : public ::testing::TestWithParam<TRow> {};

TEST_P(MouseRoadRows, GoesWhereTheRowSays)
{
    const TRow& row = GetParam();
    TBoard board;
    board.stepReady = row.stepReady;
    board.action = row.action;
    board.round = row.round;
    if (row.choice)
        board.choice = QString(row.choice);
    const TAction action = Next(row.page, board);
    EXPECT_EQ(action.move, TRoadMove::SwitchTo);
    EXPECT_EQ(action.page, row.next);
    EXPECT_EQ(action.step, row.step);
    EXPECT_EQ(action.putAction, row.putAction);
    EXPECT_EQ(action.stepReady, row.putStepReady);
    EXPECT_EQ(action.takeAction, row.takeAction);
    EXPECT_EQ(action.removeChoice, row.removeChoice);
    EXPECT_FALSE(action.closing);
    EXPECT_FALSE(action.stay);
}

INSTANTIATE_TEST_SUITE_P(Road, MouseRoadRows, ::testing::ValuesIn(Rows));

TEST(MouseRoad, TheHuntRoundTakesItsStepAwayAndTheInfoPagesCloseTheTopic)
{
    TBoard result;
    result.stepReady = "RESULT";
    EXPECT_TRUE(Next("LEPKEVADASZFORM", result).removeStep);

    const TAction closing = Next("EGEREGERFAJTAKFORM", {});
    EXPECT_EQ(closing.page, TPage::Ertekeles);
    EXPECT_TRUE(closing.closing);
    EXPECT_TRUE(closing.stepReady.isEmpty());
}

TEST(MouseRoad, PagesThatWaitAndPagesTheTopicDoesNotKnow)
{
    TBoard noTask;
    noTask.action = "NEXTFORM";
    EXPECT_TRUE(Next("EGERSZINEZOINFOFORM", noTask).stay);
    TBoard unknownGame;
    unknownGame.choice = QString("SAKK");
    EXPECT_TRUE(Next("EGERJATEKVALASZTASFORM", unknownGame).stay);
    EXPECT_TRUE(Next("EGERJATEKVALASZTASFORM", {}).noChoice);

    // The hunt notifying with neither of its words, and a page of another topic.
    EXPECT_EQ(Next("LEPKEVADASZFORM", {}).move, TRoadMove::Unknown);
    EXPECT_EQ(Next("LISTKAJAKFORM", {}).move, TRoadMove::Unknown);
}

TEST(MouseRoad, ClosingTextGreetsTheLearner)
{
    EXPECT_EQ(ClosingText("Anna"),
              "Kedves Anna <BR><BR>Sikeresen befejezted ezt a témakört is, megtanultál dolgozni az egérrel.<BR>"
              "Ismered a jobb- és a balkattintást, sőt, a duplakattintást is gyakoroltad.<BR>"
              "Tudsz cipelni dolgokat, és közben megismerted az egerek fajtáit is.<BR>"
              "A többi témakörben a legtöbb munkát már egérrel végzed. Sok sikert hozzá!");
}

} // namespace
