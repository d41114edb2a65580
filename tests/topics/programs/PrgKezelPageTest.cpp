#include "ProgramsCourse.h"
#include "topics/menus/MenusMoves.h"

#include "framework/Image.h"
#include "framework/PopupMenu.h"
#include "framework/PushButton.h"
#include "framework/SpeedButton.h"
#include "framework/TaskBar.h"
#include "home/ModulValaszt.h"

#include <QFrame>
#include <QLabel>

namespace {

using PrgKezelPageTest = ProgramsCourse;

TEST_F(PrgKezelPageTest, EnterOnTheIntroductionGoesOnWithoutTheMouse)
{
    TPrgKezelForm* page = OpenProgramsTopic();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->Step(), 1);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(page->Step(), 2);
}

TEST_F(PrgKezelPageTest, TovabbShowsOnlyAfterAllThreeBackgroundsInAnyOrder)
{
    TPrgKezelForm* page = ReachStep(2);
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->txtINfo()->isVisible());
    EXPECT_EQ(page->txtINfo()->text(), "HÁTTÉR - Csak díszítő felület, ami az egész képernyőt betölti.\n\nLehet:");
    Click(page->btnFenykep());
    Click(page->btnFenykep());
    Click(page->btnEgySzin());
    EXPECT_FALSE(page->btnNext()->isVisible());
    Click(page->btnMinta());
    EXPECT_TRUE(page->btnNext()->isVisible());
    Click(page->btnNext());
    EXPECT_EQ(page->Step(), 3);
    EXPECT_FALSE(page->txtINfo()->isVisible());
}

TEST_F(PrgKezelPageTest, TrayAndTaskBarBalloonsStandAtTheirArrowAndGoOnWhenTheyCloseByThemselves)
{
    TPrgKezelForm* page = ReachStep(3);
    ASSERT_NE(page, nullptr);
    TBalloonHint* balloon = TBalloonHint::Current(page);
    ASSERT_NE(balloon, nullptr);
    EXPECT_EQ(balloon->Title(), "Láthatatlanul működő programok");
    EXPECT_EQ(balloon->Tip(), QPoint(878, 614));
    EXPECT_FALSE(page->imgToMenu()->isVisible());

    time.Advance(63800);
    Settle();
    EXPECT_EQ(page->Step(), 3);
    time.Advance(400);
    Settle();
    EXPECT_EQ(page->Step(), 4);
    balloon = TBalloonHint::Current(page);
    ASSERT_NE(balloon, nullptr);
    EXPECT_EQ(balloon->Title(), "Tálca");
    EXPECT_EQ(balloon->Tip(), QPoint(592, 614));
    EXPECT_TRUE(page->imgToMenu()->isVisible());

    time.Advance(64400);
    Settle();
    EXPECT_EQ(page->Step(), 5);
    // The quick-launch lesson waits for a program, not for its balloon.
    time.Advance(64400);
    Settle();
    EXPECT_EQ(page->Step(), 5);
}

TEST_F(PrgKezelPageTest, ClicksTheStepDoesNotAllowAreIgnored)
{
    TPrgKezelForm* page = ReachStep(3);
    ASSERT_NE(page, nullptr);
    Click(page->QuickLaunch(TBaseProgramokForm::Kalk));
    DoubleClick(page->IconPicture(TBaseProgramokForm::Edit));
    Click(page->pnlTalca()->btnStart());
    EXPECT_EQ(ProgramsVisible(*page), 0);
    EXPECT_FALSE(page->StartMenuShown());

    page = ReachStep(5);
    ASSERT_NE(page, nullptr);
    Click(page->QuickLaunch(TBaseProgramokForm::Paint));
    EXPECT_TRUE(page->Rajzolo()->isVisible());
    // A second program while one is open.
    Click(page->QuickLaunch(TBaseProgramokForm::Kalk));
    EXPECT_EQ(ProgramsVisible(*page), 1);
    EXPECT_TRUE(page->ProgramOpen());
}

TEST_F(PrgKezelPageTest, TheStartMenuLessonOpensOnlyThePaintProgram)
{
    TPrgKezelForm* page = ReachStep(6);
    ASSERT_NE(page, nullptr);
    Click(page->pnlTalca()->btnStart());
    ASSERT_TRUE(page->StartMenuShown());
    // The menu stands on the task bar, its rows as a Start menu lists them.
    EXPECT_EQ(page->pnlStart()->geometry(), QRect(0, 175, 330, 529));
    EXPECT_EQ(page->StartRow(15)->text(), "A számítógép kikapcsolása...");
    // "Programok" opens its pop-up (the pointer resting on it does too); a second click keeps it.
    Click(page->StartRow(8));
    ASSERT_NE(TPopupMenu::Current(), nullptr);
    Click(page->StartRow(8));
    ASSERT_NE(TPopupMenu::Current(), nullptr);
    ASSERT_TRUE(MenusMoves::ClickRow(*this, 0, 2));
    ASSERT_TRUE(MenusMoves::ClickRow(*this, 1, 1)); // "Számoló"
    EXPECT_EQ(ProgramsVisible(*page), 0);
    EXPECT_FALSE(page->ProgramOpen());

    Click(page->pnlTalca()->btnStart());
    if (!page->StartMenuShown())
        Click(page->pnlTalca()->btnStart());
    Click(page->StartRow(8));
    ASSERT_TRUE(MenusMoves::ClickRow(*this, 0, 2));
    ASSERT_TRUE(MenusMoves::ClickRow(*this, 1, 0)); // "Rajzoló"
    EXPECT_TRUE(page->Rajzolo()->isVisible());
    EXPECT_FALSE(page->StartMenuShown());
    ProgramsMoves::CloseProgram(*this, *page);
    EXPECT_EQ(page->Step(), 9);
}

TEST_F(PrgKezelPageTest, EnterOpensTheSelectedIconOnlyWhenItsPressWasSeenWithNoProgramOpen)
{
    TPrgKezelForm* page = ReachStep(9);
    ASSERT_NE(page, nullptr);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(ProgramsVisible(*page), 0) << "no icon selected";

    Click(page->IconPicture(TBaseProgramokForm::Kalk));
    EXPECT_EQ(page->SelectedIcon(), TBaseProgramokForm::Kalk);
    PressKey(Qt::Key_Return);
    EXPECT_TRUE(page->Kalkulator()->isVisible());

    // Enter goes down while the program is open, the program closes, Enter comes up: nothing opens.
    SendKey(page, QEvent::KeyPress, Qt::Key_Return, "\r");
    ProgramsMoves::CloseProgram(*this, *page);
    EXPECT_EQ(page->Step(), 10);
    SendKey(page, QEvent::KeyRelease, Qt::Key_Return, "\r");
    Settle();
    EXPECT_EQ(ProgramsVisible(*page), 0);
    EXPECT_FALSE(page->ProgramOpen());
}

TEST_F(PrgKezelPageTest, MegnyitasNotesTheOpenProgramSoASecondOneWaits)
{
    TPrgKezelForm* page = ReachStep(11);
    ASSERT_NE(page, nullptr);
    Click(page->IconPanel(TBaseProgramokForm::Edit), QPoint(16, 16), Qt::RightButton);
    EXPECT_EQ(page->SelectedIcon(), TBaseProgramokForm::Edit);
    ASSERT_TRUE(MenusMoves::ClickRow(*this, 0, 0));
    EXPECT_TRUE(page->Gepelo()->isVisible());
    EXPECT_TRUE(page->ProgramOpen());

    Click(page->IconPanel(TBaseProgramokForm::Kalk), QPoint(16, 16), Qt::RightButton);
    ASSERT_TRUE(MenusMoves::ClickRow(*this, 0, 0));
    EXPECT_EQ(ProgramsVisible(*page), 1);

    ProgramsMoves::CloseProgram(*this, *page);
    EXPECT_EQ(page->Step(), 12);
    EXPECT_TRUE(page->imgHaz()->isVisible());
    EXPECT_TRUE(page->btnOk()->isVisible());
    // The pop-up menus are gone with the lesson's end.
    EXPECT_EQ(TPopupMenu::Attached(page->IconPanel(TBaseProgramokForm::Kalk)), nullptr);
}

TEST_F(PrgKezelPageTest, LeavingWithAProgramOpenLeavesNoWindowAndNoTopicKey)
{
    TPrgKezelForm* page = ReachStep(5);
    ASSERT_NE(page, nullptr);
    Click(page->QuickLaunch(TBaseProgramokForm::Edit));
    ASSERT_TRUE(page->Gepelo()->isVisible());
    Click(page->imgToMenu());
    Settle();
    ASSERT_NE(CurrentPageAs<TModulValaszt>(), nullptr);
    EXPECT_TRUE(stage->findChildren<TBaseCustForm*>().isEmpty());
    EXPECT_EQ(PagesAlive(), 1);
    EXPECT_EQ(BoardText("STEP_READY"), std::nullopt);
}

} // namespace
