#include "ButtonsCourse.h"

#include "shell/Board.h"
#include "topics/buttons/GombModul.h"

namespace {

class GombModulTest : public ButtonsCourse, public ::testing::WithParamInterface<TButtonsStop> {
protected:
    void SetUp() override { OpenButtonsTopic(); }

    TImage* BackPicture() const
    {
        if (auto* page = CurrentPageAs<TGombBaseForm>())
            return page->imgToMenu();
        if (auto* page = CurrentPageAs<TErtekeles>())
            return page->vissza();
        return nullptr;
    }
};

TEST_P(GombModulTest, BackPictureLeavesTheTopicFromEveryPageButTheTabPage)
{
    GoTo(GetParam());
    const QString from = CurrentPageName();
    TImage* back = BackPicture();
    ASSERT_NE(back, nullptr) << from.toStdString();
    if (GetParam() == TButtonsStop::Tab) {
        EXPECT_FALSE(back->isVisible());
        return;
    }
    ASSERT_TRUE(back->isVisible()) << from.toStdString();

    Click(back);
    auto* chooser = CurrentPageAs<TModulValaszt>();
    ASSERT_NE(chooser, nullptr) << "from " << from.toStdString();
    EXPECT_EQ(PagesAlive(), 1) << from.toStdString();
    for (const char* key : {"STEP", "STEP_READY", "CHANGE_MODUL", "RETURN_TO_MAIN", "ERTEKEL"})
        EXPECT_FALSE(BoardText(key)) << key << " after leaving " << from.toStdString();
    EXPECT_FALSE(ErrorBoxShown()) << messages.Texts().join(" | ").toStdString();

    // A new visit starts at the first lesson.
    Click(chooser->Tile(1, 3));
    EXPECT_EQ(CurrentPageName(), "GombGombForm");
}

INSTANTIATE_TEST_SUITE_P(Pages, GombModulTest, ::testing::ValuesIn(AllButtonsStops()), ButtonsStopName);

using GombModulBoardTest = ButtonsCourse;

TEST_F(GombModulBoardTest, StepKeysLeftByAnotherTopicAreClearedAtTheStart)
{
    StartCourse();
    TypeText("Anna");
    PressKey(Qt::Key_Return);
    TypeText("t");
    Board::PutText(Controller(), "STEP", "ESC");
    Board::PutText(Controller(), "STEP_READY", "FINISHED");
    Click(CurrentPageAs<TModulValaszt>()->Tile(1, 3));
    ASSERT_EQ(CurrentPageName(), "GombGombForm");
    EXPECT_FALSE(BoardText("STEP"));
    EXPECT_FALSE(BoardText("STEP_READY"));
}

} // namespace
