#include "ButtonsCourse.h"

namespace {

class GombTabulatorFormTest : public ButtonsCourse {
protected:
    void SetUp() override
    {
        OpenButtonsTopic();
        GoTo(TButtonsStop::Tab);
        page = On<TGombTabulatorForm>();
        ASSERT_NE(page, nullptr);
        sound.Clear();
    }

    QStringList Captions() const
    {
        QStringList captions;
        for (int i = 0; i < 4; ++i)
            captions << page->Button(i)->text();
        return captions;
    }

    TGombTabulatorForm* page = nullptr;
};

TEST_F(GombTabulatorFormTest, ShowTimeFocusIsNoVisitAndEachMoveCountsBesideMiniNora)
{
    EXPECT_EQ(FocusedControl(), page->Button(0));
    EXPECT_EQ(Captions(), QStringList({"1. gomb (0)", "2. gomb (0)", "3. gomb (0)", "4. gomb (0)"}));
    EXPECT_FALSE(page->imgMiniNora()->isVisible());
    EXPECT_FALSE(page->imgToMenu()->isVisible());

    PressKey(Qt::Key_Tab);
    EXPECT_EQ(FocusedControl(), page->Button(1));
    EXPECT_EQ(Captions(), QStringList({"1. gomb (0)", "2. gomb (1)", "3. gomb (0)", "4. gomb (0)"}));
    EXPECT_TRUE(page->imgMiniNora()->isVisible());
    EXPECT_EQ(page->imgMiniNora()->pos(), QPoint(615, 490));
    EXPECT_EQ(sound.PlayedNames(), QStringList({"3_gkatt1.wav"}));

    // Arrows and Shift+Tab move the same way; a click moves the focus too.
    PressKey(Qt::Key_Down);
    EXPECT_EQ(page->imgMiniNora()->pos(), QPoint(615, 610));
    PressKey(Qt::Key_Right);
    EXPECT_EQ(page->imgMiniNora()->pos(), QPoint(335, 610));
    PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    PressKey(Qt::Key_Left);
    PressKey(Qt::Key_Up);
    EXPECT_EQ(FocusedControl(), page->Button(0));
    EXPECT_EQ(page->imgMiniNora()->pos(), QPoint(335, 490));
    Click(page->Button(3));
    EXPECT_EQ(Captions(), QStringList({"1. gomb (1)", "2. gomb (2)", "3. gomb (2)", "4. gomb (2)"}));
    // A click on the button that has the focus is no move.
    Click(page->Button(3));
    EXPECT_EQ(page->Visits(3), 2);
}

TEST_F(GombTabulatorFormTest, FocusWrapsOverTheFourOnlyAndNextOpensAtThreeEach)
{
    for (int round = 0; round < 3; ++round) {
        for (int i = 1; i <= 4; ++i) {
            EXPECT_FALSE(page->next()->isEnabled());
            PressKey(Qt::Key_Tab);
            EXPECT_EQ(FocusedControl(), page->Button(i % 4)) << round << " " << i;
        }
    }
    EXPECT_TRUE(page->next()->isEnabled());
    // "Tovább" is no tab stop, nor is the page.
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(FocusedControl(), page->Button(1));
    EXPECT_EQ(Captions(), QStringList({"1. gomb (3)", "2. gomb (4)", "3. gomb (3)", "4. gomb (3)"}));
    Click(page->next());
    EXPECT_EQ(CurrentPageName(), "GombInaktivForm");
}

TEST_F(GombTabulatorFormTest, WindowGettingTheFocusBackIsNoVisit)
{
    PressKey(Qt::Key_Tab);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    stage->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(stage.get()));
    Settle();
    EXPECT_EQ(FocusedControl(), page->Button(1));
    EXPECT_EQ(page->Visits(1), 1);
}

TEST_F(GombTabulatorFormTest, CountStopsAt255ButTheSoundStillPlays)
{
    for (int i = 0; i < 256 * 2; ++i)
        PressKey(i % 2 == 0 ? Qt::Key_Tab : Qt::Key_Backtab, i % 2 == 0 ? Qt::NoModifier : Qt::ShiftModifier);
    EXPECT_EQ(page->Visits(1), 255);
    EXPECT_EQ(page->Visits(0), 255);
    EXPECT_EQ(page->Button(1)->text(), "2. gomb (255)");
    EXPECT_EQ(sound.PlayedNames().size(), 512);
}

} // namespace
