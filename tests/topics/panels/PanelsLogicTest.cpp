#include "framework/MessageDialog.h"
#include "platform/FixedRandom.h"
#include "platform/ScriptedMessageDialogs.h"
#include "topics/panels/CarSettings.h"
#include "topics/panels/ExamAnswers.h"
#include "topics/panels/MemoryGame.h"
#include "topics/panels/PanelsRoad.h"

#include <gtest/gtest.h>

using namespace PanelsRoad;

TEST(PanelsRoadTest, EveryPageLeadsOnAndTheMemoryGameEndsByAction)
{
    const std::pair<const char*, TPage> straight[] = {
        {"PNLNYOMTATFORM", TPage::Panel},           {"PNLPANELFORM", TPage::Autos},
        {"PNLAUTOSFORM", TPage::MemJatek},          {"PNLKONYVJELZFORM", TPage::FulesPanel},
        {"PNLFULESPANELFORM", TPage::MiniVizsgaIntro}, {"PNLMINIVIZSGAINTROFORM", TPage::MiniVizsga},
        {"PNLMINIVIZSGAFORM", TPage::Ertekeles},
    };
    for (const auto& [name, page] : straight) {
        const TAction action = Next(QString::fromLatin1(name), false);
        EXPECT_EQ(action.move, TRoadMove::SwitchTo) << name;
        EXPECT_EQ(action.page, page) << name;
        EXPECT_TRUE(action.putAction.isEmpty()) << name;
    }
    const TAction closing = Next(QStringLiteral("ERTEKELES"), false);
    EXPECT_EQ(closing.page, TPage::MemJatek);
    EXPECT_EQ(closing.putAction, QStringLiteral("NEXTFORM"));

    const TAction first = Next(QStringLiteral("PNLMEMJATEKFORM"), false);
    EXPECT_EQ(first.page, TPage::KonyvJelz);
    EXPECT_FALSE(first.takeAction);
    const TAction last = Next(QStringLiteral("PNLMEMJATEKFORM"), true);
    EXPECT_EQ(last.move, TRoadMove::ReturnToMain);
    EXPECT_TRUE(last.takeAction);

    EXPECT_EQ(Next(QStringLiteral("PnlPanelForm"), false).move, TRoadMove::Unknown);
    EXPECT_EQ(Next(QStringLiteral("LISTCOMBOFORM"), true).move, TRoadMove::Unknown);
}

TEST(MemoryGameTest, CardsStartInGridOrderAndTheShuffleMovesOnlyPictures)
{
    TMemoryGame game;
    EXPECT_EQ(game.Tag(1), 1);
    EXPECT_EQ(game.Tag(19), 1);
    EXPECT_EQ(game.Tag(36), 18);
    EXPECT_EQ(TMemoryGame::PlaceLeft(1), 196);
    EXPECT_EQ(TMemoryGame::PlaceTop(1), 196);
    EXPECT_EQ(TMemoryGame::PlaceLeft(6), 666);
    EXPECT_EQ(TMemoryGame::PlaceTop(7), 290);
    EXPECT_EQ(TMemoryGame::PlaceLeft(36), 666);
    EXPECT_EQ(TMemoryGame::PlaceTop(36), 666);

    // Draws (0, 0) are skipped; (0, 5) swaps cards 1 and 6; the rest stay equal and are skipped.
    std::vector<int> draws{0, 0, 0, 5};
    draws.resize(72, 3);
    TFixedRandom random(draws);
    game.Shuffle(random);
    EXPECT_EQ(game.Place(1), 6);
    EXPECT_EQ(game.Place(6), 1);
    EXPECT_EQ(game.Place(2), 2);
    EXPECT_EQ(game.Tag(1), 1);
}

TEST(MemoryGameTest, PairClockShowsTwoTicksThenRemovesOrTurnsBack)
{
    TMemoryGame game;
    game.NewGame();
    EXPECT_EQ(game.Click(1), TMemoryGame::TClick::First);
    EXPECT_EQ(game.Click(1), TMemoryGame::TClick::Ignored);
    EXPECT_EQ(game.Tick(), TMemoryGame::TTick::Nothing); // 250
    EXPECT_EQ(game.Click(2), TMemoryGame::TClick::Second);
    EXPECT_TRUE(game.Locked());
    EXPECT_EQ(game.Click(3), TMemoryGame::TClick::Ignored);
    EXPECT_EQ(game.Tick(), TMemoryGame::TTick::Nothing); // 250
    EXPECT_EQ(game.Tick(), TMemoryGame::TTick::TurnedBack); // 500
    EXPECT_FALSE(game.FaceUp(1));
    EXPECT_FALSE(game.Locked());

    EXPECT_EQ(game.Click(1), TMemoryGame::TClick::First);
    EXPECT_EQ(game.Click(19), TMemoryGame::TClick::Second);
    game.Tick();
    EXPECT_EQ(game.Tick(), TMemoryGame::TTick::PairRemoved);
    EXPECT_FALSE(game.OnBoard(1));
    EXPECT_FALSE(game.OnBoard(19));
    EXPECT_EQ(game.Click(19), TMemoryGame::TClick::Ignored);
    EXPECT_EQ(game.PairsFound(), 1);
    // The clock runs freely on: 0 after 500.
    EXPECT_EQ(game.Tick(), TMemoryGame::TTick::Nothing);
    EXPECT_EQ(game.PairClock(), 0);
}

TEST(MemoryGameTest, TimeTextHasNoUpperBoundOnMinutes)
{
    EXPECT_EQ(TMemoryGame::TimeText(0), "00:00");
    EXPECT_EQ(TMemoryGame::TimeText(61000), "01:01");
    EXPECT_EQ(TMemoryGame::TimeText(600000), "10:00");
    EXPECT_EQ(TMemoryGame::TimeText(300 * 60000 + 9500), "300:09");
}

namespace {
TExamAnswers AllRight()
{
    TExamAnswers answers;
    for (int tag : {12, 13, 21, 22, 31, 32, 33, 41, 61, 62})
        answers.checks[tag] = true;
    answers.leftClick = answers.rightClick = answers.doubleClick = answers.cancel = true;
    answers.buttonsChoice = answers.radioChoice = 1;
    answers.trackBar = 70;
    answers.spinEdit = 77;
    answers.fruits = {QStringLiteral("citrom"), QStringLiteral("Banán"), QStringLiteral("KIWI")};
    answers.year = 12;
    answers.month = 7;
    answers.day = 14;
    answers.names = {QStringLiteral("Kábel Ödön"), QStringLiteral("Digit Nóra"), QStringLiteral("Pixeles Tivadar")};
    answers.emptyListCount = 0;
    answers.error = 2;
    answers.warning = 1;
    answers.info = 0;
    return answers;
}
} // namespace

TEST(ExamAnswersTest, AllRightIsTwentyNineAndNothingIsFour)
{
    EXPECT_EQ(AllRight().Score(), 29);
    EXPECT_EQ(TExamAnswers().Score(), 4);
    TExamAnswers wrongChecks = AllRight();
    wrongChecks.checks[11] = true;
    wrongChecks.checks[12] = false;
    EXPECT_EQ(wrongChecks.Score(), 27);
}

TEST(ExamAnswersTest, FruitsScoreOnceEachInHungarianCasing)
{
    TExamAnswers answers = AllRight();
    answers.fruits = {QStringLiteral("CITROM"), QStringLiteral("bANÁN"), QStringLiteral("kiwi")};
    EXPECT_EQ(answers.Score(), 29);
    answers.fruits = {QStringLiteral("citrom"), QStringLiteral("citrom"), QStringLiteral("citrom")};
    EXPECT_EQ(answers.Score(), 28);
    answers.fruits = {QStringLiteral("citrom"), QStringLiteral("banán"), QStringLiteral("kiwi"), QStringLiteral("alma")};
    EXPECT_EQ(answers.Score(), 28);
    answers.fruits = {QStringLiteral("citrom"), QStringLiteral("banan"), QStringLiteral("kiwi")};
    EXPECT_EQ(answers.Score(), 28);
}

TEST(ExamAnswersTest, OneNameThreeTimesStillScores)
{
    TExamAnswers answers = AllRight();
    answers.names = {QStringLiteral("Digit Nóra"), QStringLiteral("Digit Nóra"), QStringLiteral("Digit Nóra")};
    EXPECT_EQ(answers.Score(), 29);
    answers.names << QStringLiteral("Digit Nóra");
    EXPECT_EQ(answers.Score(), 28);
    answers.names = {QStringLiteral("Digit Nóra"), QStringLiteral("Tárolka"), QStringLiteral("Kábel Ödön")};
    EXPECT_EQ(answers.Score(), 28);
}

TEST(ExamAnswersTest, ResultTextAndGrades)
{
    EXPECT_EQ(TExamAnswers::ResultText(QStringLiteral("Anna"), 65500, 29),
              "Feladat: Mini vizsga<BR>Név: Anna<BR>Idő: 01:05<BR>Eredmény: 29 / 29<BR>Értékelés: Gratulálok az elért "
              "kiváló eredményedhez.<BR><BR>Ha elolvastad, akkor nyomd meg az L billentyűt!");
    EXPECT_EQ(TExamAnswers::Grade(6), "Lesz ez jobb is, csak sokat kell gyakorolnod.");
    EXPECT_EQ(TExamAnswers::Grade(7), "Gyakorlással javíthatsz eredményeden.");
    EXPECT_EQ(TExamAnswers::Grade(18), "Jól teljesítettél, de egy kis gyakorlás nem árt.");
    EXPECT_EQ(TExamAnswers::Grade(19), "Gratulálok, csak egy kicsit kellett volna jobban figyelned.");
    EXPECT_EQ(TExamAnswers::Grade(25), "Gratulálok az elért kiváló eredményedhez.");
}

TEST(CarSettingsTest, EverySevenConditionsCount)
{
    TCarSettings right{40, QColor(255, 0, 0), 12, 0, true, false, true};
    EXPECT_TRUE(right.Right());
    auto wrong = [&right](auto change) {
        TCarSettings settings = right;
        change(settings);
        return settings.Right();
    };
    EXPECT_FALSE(wrong([](TCarSettings& s) { s.raceNumber = 11; }));
    EXPECT_FALSE(wrong([](TCarSettings& s) { s.tank = 41; }));
    EXPECT_FALSE(wrong([](TCarSettings& s) { s.colour = QColor(254, 0, 0); }));
    EXPECT_FALSE(wrong([](TCarSettings& s) { s.travellers = 1; }));
    EXPECT_FALSE(wrong([](TCarSettings& s) { s.openTop = false; }));
    EXPECT_FALSE(wrong([](TCarSettings& s) { s.notLost = true; }));
    EXPECT_FALSE(wrong([](TCarSettings& s) { s.sportsCar = false; }));
}

TEST(MessageDialogGeometryTest, SpreadAndAroundTheCentre)
{
    // W = 400, w = 75: c = (400 - 225) / 2 = 87 for three buttons, 125 for two, 162 for one.
    EXPECT_EQ(TMessageDialog::ButtonLefts(400, 3, 75, TButtonPlacement::Spread), (std::vector<int>{82, 162, 242}));
    EXPECT_EQ(TMessageDialog::ButtonLefts(400, 2, 75, TButtonPlacement::Spread), (std::vector<int>{120, 200}));
    EXPECT_EQ(TMessageDialog::ButtonLefts(400, 1, 75, TButtonPlacement::Spread), (std::vector<int>{162}));
    EXPECT_EQ(TMessageDialog::ButtonLefts(400, 2, 75, TButtonPlacement::AroundCentre), (std::vector<int>{122, 203}));
}

TEST(ScriptedMessageDialogsTest, UnscriptedAnswersAreEscOrTheLastButton)
{
    TScriptedMessageDialogs dialogs;
    TDialogRequest question;
    question.buttons = TDialogButtons::YesNo;
    EXPECT_EQ(dialogs.Show(question), TDialogResult::No);
    EXPECT_EQ(dialogs.Show(TDialogRequest::Standard(TDialogIcon::Warning, {}, {}, TDialogButtons::YesNoCancel)),
              TDialogResult::Cancel);
    dialogs.AnswerNext(TDialogResult::Yes);
    EXPECT_EQ(dialogs.Show(question), TDialogResult::Yes);
    EXPECT_EQ(dialogs.Shown().size(), 3u);
}
