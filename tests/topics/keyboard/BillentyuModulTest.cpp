#include "KeyboardCourse.h"

#include "framework/BaseBillForm.h"
#include "shell/Board.h"
#include "topics/keyboard/BillentyuModul.h"

namespace {

class BillentyuModulTest : public KeyboardCourse, public ::testing::WithParamInterface<TKeyboardStop> {
protected:
    void SetUp() override { OpenKeyboardTopic(); }

    // The back area of the page on screen.
    TImage* BackArea() const
    {
        if (auto* page = CurrentPageAs<TBaseBillForm>())
            return page->vissza();
        if (auto* page = CurrentPageAs<TErtekeles>())
            return page->vissza();
        return nullptr;
    }
};

TEST_P(BillentyuModulTest, BackAreaLeavesTheTopicFromEveryPage)
{
    GoTo(GetParam());
    const QString from = CurrentPageName();
    TImage* back = BackArea();
    ASSERT_NE(back, nullptr) << from.toStdString();

    Click(back);
    auto* chooser = CurrentPageAs<TModulValaszt>();
    ASSERT_NE(chooser, nullptr) << "from " << from.toStdString();
    EXPECT_EQ(chooser->Mode(), TModulValaszt::TMode::Chooser);
    EXPECT_EQ(PagesAlive(), 1) << from.toStdString();
    for (const char* key : {"STEP", "STEP_READY", "CHANGE_MODUL", "RETURN_TO_MAIN", "ERTEKEL"})
        EXPECT_FALSE(BoardText(key)) << key << " after leaving " << from.toStdString();
    EXPECT_FALSE(ErrorBoxShown()) << messages.Texts().join(" | ").toStdString();

    // A new visit starts at the grade page.
    Click(chooser->Tile(1, 1));
    EXPECT_EQ(CurrentPageName(), "OsztalyBe");
}

INSTANTIATE_TEST_SUITE_P(Pages, BillentyuModulTest, ::testing::ValuesIn(AllKeyboardStops()), StopName);

using BillentyuModulBoardTest = KeyboardCourse;

TEST_F(BillentyuModulBoardTest, StepKeysLeftByAnotherTopicAreClearedAtTheStart)
{
    StartCourse();
    TypeText("Anna");
    PressKey(Qt::Key_Return);
    TypeText("t");
    Board::PutText(Controller(), "STEP", "ESC");
    Board::PutText(Controller(), "STEP_READY", "SHIFT_READY");
    Click(CurrentPageAs<TModulValaszt>()->Tile(1, 1));
    ASSERT_EQ(CurrentPageName(), "OsztalyBe");
    EXPECT_FALSE(BoardText("STEP"));
    EXPECT_FALSE(BoardText("STEP_READY"));
    EnterGrade();
    ASSERT_NE(CurrentPageAs<TBillentyuzet>(), nullptr);
    EXPECT_EQ(CurrentPageAs<TBillentyuzet>()->Step(), "T");
}

TEST_F(BillentyuModulBoardTest, PracticeAndTypingPagesWaitForARecognisedStep)
{
    OpenKeyboardTopic();
    EnterGrade();
    auto* practice = CurrentPageAs<TBillentyuzet>();
    ASSERT_NE(practice, nullptr);
    auto module = Controller().CurrentModule();
    Board::PutText(Controller(), "STEP_READY", "R3_READY");
    module->Notify();
    EXPECT_EQ(CurrentPage(), practice);
    EXPECT_EQ(practice->Step(), "T");
    EXPECT_EQ(BoardText("STEP_READY"), QString("R3_READY")); // read, not used up
    Controller().RemoveValue("STEP_READY");
    module->Notify();
    EXPECT_EQ(CurrentPage(), practice);
    EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST_F(BillentyuModulBoardTest, StartWithoutControllerIsAnError)
{
    TBillentyuModul module;
    try {
        module.Start();
        FAIL() << "no error raised";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "No valid ModuleController is setted to Module");
    }
}

} // namespace
