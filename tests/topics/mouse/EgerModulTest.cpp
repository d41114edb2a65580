#include "MouseCourse.h"

#include "MouseGamesMoves.h"
#include "platform/CourseError.h"
#include "topics/mouse/EgerBallJobbForm.h"
#include "topics/mouse/EgervadaszatForm.h"
#include "topics/lists/ListKajakForm.h"

namespace {

using EgerModulTest = MouseCourse;

const char* const VisitKeys[] = {"STEP", "STEP_READY", "ACTION", "ROUND", "JATEKVALASZT", "TIMERECORD"};

TEST_F(EgerModulTest, AVisitStartsWithoutTheKeysAnEarlierOneLeftAndLeavesNone)
{
    StartCourse();
    ASSERT_TRUE(ActivateStage());
    TypeText("Anna");
    PressKey(Qt::Key_Return);
    TypeText("t");
    // A game chosen from the game chooser was left by its back-to-home picture, halfway in a round.
    for (const char* key : {"STEP", "STEP_READY", "ACTION", "JATEKVALASZT"})
        Board::PutText(Controller(), key, "LEPKE");
    Board::PutNumber(Controller(), "ROUND", 66);
    Board::PutNumber(Controller(), "TIMERECORD", 40000);
    ASSERT_TRUE(LearnerMoves::Choose(*this, "EGEREZES"));
    EXPECT_EQ(CurrentPageName(), "EgerekForm");
    for (const char* key : VisitKeys)
        EXPECT_FALSE(Controller().GetValue(key)) << key;

    PressKey(Qt::Key_Return);
    Board::PutText(Controller(), "JATEKVALASZT", "KOSAR");
    Board::PutNumber(Controller(), "ROUND", 3);
    Board::PutNumber(Controller(), "TIMERECORD", 1200);
    Click(On<TEgerTipusForm>()->vissza());
    ASSERT_NE(CurrentPageAs<TModulValaszt>(), nullptr);
    for (const char* key : VisitKeys)
        EXPECT_FALSE(Controller().GetValue(key)) << key;
    EXPECT_EQ(PagesAlive(), 1);
}

TEST_F(EgerModulTest, EveryNotifyConsumesStepReadyAlsoWhereTheRowIgnoresIt)
{
    OpenMouseTopic();
    PressKey(Qt::Key_Return);
    Board::PutText(Controller(), "STEP_READY", "EGERVADASZATFORM");
    PressKey(Qt::Key_Backspace);
    EXPECT_EQ(CurrentPageName(), "EgerKurzorForm");
    EXPECT_FALSE(BoardText("STEP_READY"));
}

TEST_F(EgerModulTest, TheClosingEvaluationLeadsToTheGameChooser)
{
    OpenMouseTopic();
    Stand<TEgerEgerfajtakForm>();
    DoubleClick(On<TEgerEgerfajtakForm>()->imgHanyatteger());
    auto* evaluation = On<TErtekeles>();
    ASSERT_NE(evaluation, nullptr);
    EXPECT_TRUE(evaluation->Text().startsWith("Kedves Anna <BR><BR>Sikeresen befejezted ezt a témakört is"));
    TypeText("l");
    EXPECT_EQ(CurrentPageName(), "EgerJatekvalasztasForm");
    EXPECT_FALSE(ErrorBoxShown()) << messages.Texts().join(" | ").toStdString();
}

// Escape once the intro is over: from a game chosen on the game chooser back to it, on the road on.
TEST_F(EgerModulTest, EscapeFromAChosenGameGoesBackToTheChooserOnTheRoadOn)
{
    OpenMouseTopic();
    const auto escapeTheHunt = [this] {
        auto* hunt = On<TEgervadaszatForm>();
        for (int step = 0; hunt && step < 20 && hunt->Round().State() == TGameRound::IntroPhase; ++step)
            MouseGamesMoves::Helpful(*this);
        PressKey(Qt::Key_Escape);
    };
    Click(Stand<TEgerJatekvalasztasForm>()->imgJobbraBalra());
    ASSERT_EQ(BoardText("JATEKVALASZT"), "EGERVADASZ");
    escapeTheHunt();
    EXPECT_EQ(CurrentPageName(), "EgerJatekvalasztasForm");
    EXPECT_FALSE(BoardText("JATEKVALASZT"));

    Click(Stand<TEgerBallJobbForm>()->imgMouse(), QPoint(-1, -1), Qt::RightButton);
    escapeTheHunt();
    EXPECT_EQ(CurrentPageName(), "DuplaKattForm");
    EXPECT_FALSE(BoardText("ACTION"));
}

TEST_F(EgerModulTest, AChooserWithoutAChoiceAndAStrangePageAreRefused)
{
    OpenMouseTopic();
    auto* chooser = Stand<TEgerJatekvalasztasForm>();
    ASSERT_NE(chooser, nullptr);
    try {
        Controller().CurrentModule()->Notify();
        ADD_FAILURE() << "no error";
    } catch (const TCourseError& error) {
        EXPECT_STREQ(error.what(), "No valis return valu of TEgerJatekValasztasForm");
    }
    EXPECT_EQ(CurrentPage(), chooser);

    auto* stranger = Stand<TListKajakForm>();
    Controller().CurrentModule()->Notify();
    EXPECT_EQ(messages.Texts(), QStringList{"MAIN screen has no this page! "});
    EXPECT_EQ(CurrentPage(), stranger);
}

} // namespace
