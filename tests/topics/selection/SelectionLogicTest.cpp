#include "framework/Rounding.h"
#include "platform/FixedRandom.h"
#include "topics/selection/CannonGame.h"
#include "topics/selection/SelectionRatings.h"
#include "topics/selection/SelectionRoad.h"

#include <gtest/gtest.h>

namespace {

using namespace SelectionRoad;

struct TRoadRow {
    const char* page;
    const char* stepReady;
    const char* action;
    TMove move;
    TPage next;
    const char* storedStep;
};

TEST(SelectionRoadTest, EveryRowOfTheTable)
{
    const TRoadRow rows[] = {
        {"JELRDBTNFORM", "NOTHING", "", TMove::SwitchTo, TPage::RdCsop, ""},
        {"JELRDCSOPFORM", "NOTHING", "", TMove::SwitchTo, TPage::MemIntro, "RDBUTTON"},
        {"JELMEMINTROFORM", "RDBUTTON", "", TMove::SwitchTo, TPage::MemRdQuiz, ""},
        {"JELMEMRDQUIZFORM", "NOTHING", "", TMove::SwitchTo, TPage::Ertekeles, "RDBUTTON"},
        {"ERTEKELES", "RDBUTTON", "", TMove::SwitchTo, TPage::ChkBox, ""},
        {"JELCHKBOXFORM", "NOTHING", "", TMove::SwitchTo, TPage::ChkBox2, ""},
        {"JELCHKBOX2FORM", "NOTHING", "", TMove::SwitchTo, TPage::MemIntro, "CHKBOX"},
        {"JELMEMINTROFORM", "CHKBOX", "", TMove::SwitchTo, TPage::ChkBoxQuiz, ""},
        {"JELCHKBOXQUIZFORM", "NOTHING", "", TMove::SwitchTo, TPage::Ertekeles, "CHKBOX"},
        {"ERTEKELES", "CHKBOX", "", TMove::SwitchTo, TPage::SpinEdit1, ""},
        {"JELSPINEDIT1FORM", "NOTHING", "", TMove::SwitchTo, TPage::SpinEdit2, ""},
        {"JELSPINEDIT2FORM", "NOTHING", "", TMove::SwitchTo, TPage::TreckBar, ""},
        {"JELTRECKBARFORM", "NOTHING", "", TMove::SwitchTo, TPage::ProgressBar, ""},
        {"JELPROGRESSBARFORM", "NOTHING", "", TMove::SwitchTo, TPage::Agyuzas, ""},
        {"JELAGYUZASFORM", "NOTHING", "", TMove::SwitchTo, TPage::Ertekeles, "AGYUZAS"},
        {"JELAGYUZASFORM", "NOTHING", "START", TMove::SwitchTo, TPage::Ertekeles, "AGYUZAS"},
        {"JELAGYUZASFORM", "NOTHING", "NEXTFORM", TMove::SwitchTo, TPage::Ertekeles, "FINITO"},
        {"ERTEKELES", "AGYUZAS", "", TMove::SwitchTo, TPage::Agyuzas, ""},
        {"ERTEKELES", "FINITO", "", TMove::ReturnToMain, TPage::None, ""},
        {"JELMEMINTROFORM", "NOTHING", "", TMove::Unknown, TPage::None, ""},
        {"ERTEKELES", "NOTHING", "", TMove::Unknown, TPage::None, ""},
        {"GOMBGOMBFORM", "NOTHING", "", TMove::Unknown, TPage::None, ""},
    };
    for (const TRoadRow& row : rows) {
        SCOPED_TRACE(std::string(row.page) + " " + row.stepReady + " " + row.action);
        const TAction action = Next(row.page, row.stepReady, row.action);
        EXPECT_EQ(action.move, row.move);
        EXPECT_EQ(action.page, row.next);
        EXPECT_EQ(action.stepReady, QString::fromLatin1(row.storedStep));
        const bool ends = QByteArray(row.action) == "NEXTFORM";
        EXPECT_EQ(action.closing, ends);
        EXPECT_EQ(action.takeAction, ends);
    }
}

TEST(SelectionRatingsTest, WordsAtTheirBounds)
{
    using namespace SelectionRatings;
    EXPECT_EQ(RadioScore(1), "Még gyakorolnod kell!");
    EXPECT_EQ(RadioScore(2), "Legközelebb koncentrálj egy picit erősebben!");
    EXPECT_EQ(RadioScore(3), "Legközelebb koncentrálj egy picit erősebben!");
    EXPECT_EQ(RadioScore(4), "Egész jó, több mint a fele megvolt!");
    EXPECT_EQ(RadioScore(5), "Óriási, csak egyet hibáztál!");
    EXPECT_EQ(RadioScore(6), "Hibátlan, jó megfigyelő vagy!");
    EXPECT_EQ(CheckBoxScore(3), "Ahhoz, hogy nyomozó lehess, még gyakorolnod kell!");
    EXPECT_EQ(CheckBoxScore(4), "Legközelebb koncentrálj egy picit erősebben!");
    EXPECT_EQ(CheckBoxScore(6), "Több, mint fele megvolt! Egész jó!");
    EXPECT_EQ(CheckBoxScore(7), "Több, mint fele megvolt! Egész jó!");
    EXPECT_EQ(CheckBoxScore(8), "Óriási, nagyon jó megfigyelő vagy!");
    EXPECT_EQ(CheckBoxScore(10), "Hibátlan, fantasztikusan jó megfigyelő vagy!");
    EXPECT_EQ(HelpWord(0), "Ez igen, nem kellett segítség!");
    EXPECT_EQ(HelpWord(2), "Egy pici súgás nem számít!");
    EXPECT_EQ(HelpWord(3), "Ennyi segítség még belefér!");
    EXPECT_EQ(HelpWord(5), "Ennyi segítség még belefér!");
    EXPECT_EQ(HelpWord(6), "Alakul, később már ennyi segítség sem kell!");
    EXPECT_EQ(HelpWord(8), "Alakul, később már ennyi segítség sem kell!");
    EXPECT_EQ(HelpWord(9), "Legközelebb próbáld kevesebb segítséggel!");
    EXPECT_EQ(CannonWord(3), "Így bizony nem leszel tüzértiszt, gyakorolj!");
    EXPECT_EQ(CannonWord(4), "Célozz kicsit pontosabban!");
    EXPECT_EQ(CannonWord(7), "Célozz kicsit pontosabban!");
    EXPECT_EQ(CannonWord(8), "Már majdnem tökéletes!");
    EXPECT_EQ(CannonWord(9), "Már majdnem tökéletes!");
    EXPECT_EQ(CannonWord(10), "Egy tüzérezredes sem csinálta volna jobban!");
    EXPECT_EQ(QuizText("Anna", 6, 4, RadioScore(4), 1),
              "Feladat: Memória teszt<BR>Név: Anna<BR>Teljesítmény: 6 / 4 <BR>Értékelés: Egész jó, több mint a fele "
              "megvolt!<BR>Igénybevett segítség: 1<BR>Értékelés: Egy pici súgás nem számít!<BR><BR>Ha elolvastad, "
              "akkor nyomd meg az L billentyűt!");
    EXPECT_EQ(CannonText("Anna", 9),
              "Feladat: Tüzérségi gyakorlat<BR>Név: Anna<BR>Találataid száma 10 lövésből : 9 <BR>Értékelés: Már "
              "majdnem tökéletes!<BR><BR>Ha elolvastad, akkor nyomd meg az L billentyűt!");
}

TEST(RoundingTest, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(Rounding::Round(0.5), 0);
    EXPECT_EQ(Rounding::Round(1.5), 2);
    EXPECT_EQ(Rounding::Round(2.5), 2);
    EXPECT_EQ(Rounding::Round(-2.5), -2);
    EXPECT_EQ(Rounding::Round(2.6), 3);
    EXPECT_EQ(Rounding::Trunc(-2.7), -2);
    EXPECT_EQ(Rounding::Ceil(2.1), 3);
}

class CannonGameTest : public ::testing::Test {
protected:
    TFixedRandom random{{0}};
    TCannonGame game{random};

    // Ticks until the ball is down; the last tick's outcome.
    TCannonGame::TTick Land()
    {
        TCannonGame::TTick tick = TCannonGame::TTick::Nothing;
        for (int i = 0; i < 500 && game.Flying(); ++i)
            tick = game.Tick();
        return tick;
    }
};

TEST_F(CannonGameTest, BothStartExamples)
{
    game.SetAngle(45);
    game.SetSpeed(70);
    ASSERT_TRUE(game.Fire());
    EXPECT_EQ(game.Ball().topLeft(), QPoint(249, 503));
    EXPECT_EQ(game.Vx(), 60);
    EXPECT_EQ(game.Vy(), 32);
    EXPECT_FALSE(game.Fire()) << "one ball at a time";
    Land();

    game.SetAngle(10);
    game.SetSpeed(20);
    ASSERT_TRUE(game.Fire());
    EXPECT_EQ(game.Ball().topLeft(), QPoint(278, 559));
    EXPECT_EQ(game.Vx(), 20);
    EXPECT_EQ(game.Vy(), 2);
    EXPECT_EQ(game.Fired(), 2);
}

TEST_F(CannonGameTest, OnlyAShownCloudIsHitAndTheShotStillCounts)
{
    ASSERT_TRUE(game.Fire());
    game.MoveCloud(game.Ball().center() - QPoint(99, 57));
    EXPECT_NE(game.Tick(), TCannonGame::TTick::Hit);
    EXPECT_EQ(game.Hits(), 0);
    Land();
    EXPECT_EQ(game.Fired(), 1);

    game.PlaceCloud();
    EXPECT_EQ(game.Cloud().topLeft(), QPoint(500, 100));
    ASSERT_TRUE(game.Fire());
    game.MoveCloud(game.Ball().center() - QPoint(99, 57));
    EXPECT_EQ(game.Tick(), TCannonGame::TTick::Hit);
    EXPECT_EQ(game.Hits(), 1);
    EXPECT_FALSE(game.Flying());
}

TEST_F(CannonGameTest, ACloudGoneOffTheScreenIsPlacedAnew)
{
    game.PlaceCloud();
    game.MoveCloud(QPoint(-196, 300));
    for (int i = 0; i < 5; ++i)
        game.Tick();
    EXPECT_GE(game.Cloud().left(), 500 - 10);
    EXPECT_TRUE(game.CloudShown());
}

TEST_F(CannonGameTest, TheTenthHitEndsAtOnceAndTheTenthMissWhenOut)
{
    game.PlaceCloud();
    for (int shot = 1; shot <= 9; ++shot) {
        ASSERT_TRUE(game.Fire());
        game.MoveCloud(QPoint(800, 0));
        EXPECT_EQ(Land(), TCannonGame::TTick::Out);
    }
    ASSERT_TRUE(game.Fire());
    game.MoveCloud(game.Ball().center() - QPoint(99, 57));
    EXPECT_EQ(game.Tick(), TCannonGame::TTick::Finished);
    EXPECT_EQ(game.Hits(), 1);
    EXPECT_FALSE(game.Fire()) << "ten shots make a game";

    TCannonGame second(random);
    for (int shot = 1; shot <= 10; ++shot) {
        ASSERT_TRUE(second.Fire());
        TCannonGame::TTick tick = TCannonGame::TTick::Nothing;
        for (int i = 0; i < 500 && second.Flying(); ++i)
            tick = second.Tick();
        EXPECT_EQ(tick, shot == 10 ? TCannonGame::TTick::Finished : TCannonGame::TTick::Out);
    }
}

} // namespace
