#include "PanelsCourse.h"

#include "framework/CheckBox.h"
#include "framework/DragListBox.h"
#include "framework/EditCombo.h"
#include "framework/Ertekeles.h"
#include "framework/Image.h"
#include "framework/PushButton.h"
#include "framework/SpinEdit.h"
#include "platform/PageTimer.h"
#include "shell/Board.h"
#include "shell/Integer.h"
#include "shell/String.h"
#include "topics/lists/ListsMoves.h"
#include "topics/panels/ImgPanel.h"
#include "topics/panels/MessagePanel.h"
#include "topics/panels/PnlAutosForm.h"
#include "topics/panels/PnlFulesPanelForm.h"
#include "topics/panels/PnlMemJatekForm.h"
#include "topics/panels/PnlMiniVizsgaForm.h"
#include "topics/panels/PnlNyomtatForm.h"

#include <QLabel>
#include <QTabWidget>

using PanelsPagesTest = PanelsCourse;

TEST_F(PanelsPagesTest, OperatingSystemPanelKeepsItsBoundsAndItsCloseDoesNothing)
{
    OpenPanelsTopic();
    auto* page = On<TPnlNyomtatForm>();
    page->pnlOK()->setGeometry(0, 0, 100, 100);
    EXPECT_EQ(page->pnlOK()->geometry(), QRect(192, 200, 513, 185));
    Click(page->pnlOK()->CloseButton());
    EXPECT_EQ(CurrentPageName(), "PnlNyomtatForm");
    Click(page->btnOk());
    EXPECT_EQ(CurrentPageName(), "PnlPanelForm");
}

TEST_F(PanelsPagesTest, CarTripDialogAnswersNeverChangeTheTrip)
{
    auto* page = Reach<TPnlAutosForm>(QStringLiteral("PnlAutosForm"));
    EXPECT_EQ(page->imgTAblak()->x(), -297);
    bool timerOffUnderDialog = true;
    dialogs.OnShow = [&](const TDialogRequest&) { timerOffUnderDialog &= !page->Timer1()->Enabled(); };
    for (TDialogResult answer : {TDialogResult::Cancel, TDialogResult::Ok, TDialogResult::Yes, TDialogResult::Cancel,
                                 TDialogResult::No})
        dialogs.AnswerNext(answer);
    // 20 ticks waiting, then 10 px a tick: the sign reaches the car after 20 + 62 ticks.
    time.Advance(20 * 50);
    EXPECT_EQ(dialogs.Shown().size(), 0u);
    time.Advance(63 * 50);
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].title, "Információs panel");
    EXPECT_EQ(page->Step(), 2);
    PanelsMoves::RideToSettings(*this, *page);
    ASSERT_EQ(dialogs.Shown().size(), 5u);
    EXPECT_EQ(dialogs.Shown()[1].title, "Hibajelző panel");
    EXPECT_EQ(dialogs.Shown()[2].title, "Megerősítést váró panel");
    EXPECT_EQ(dialogs.Shown()[3].title, "Veszélyt jelző panel");
    EXPECT_EQ(dialogs.Shown()[3].buttons, TDialogButtons::YesNoCancel);
    EXPECT_TRUE(dialogs.Shown()[3].closeButton);
    EXPECT_TRUE(timerOffUnderDialog);
    EXPECT_TRUE(page->pnlSetting()->isVisible());
    EXPECT_EQ(page->Step(), 6);
}

TEST_F(PanelsPagesTest, SettingsPanelOpensOkOnlyOnApplyAndCancelComesBack)
{
    auto* page = Reach<TPnlAutosForm>(QStringLiteral("PnlAutosForm"));
    PanelsMoves::RideToSettings(*this, *page);
    PanelsMoves::SetRightSettings(*page);
    page->seCarNo()->Step(-1);
    EXPECT_EQ(page->seCarNo()->Text(), "11");
    Click(page->btnApply());
    EXPECT_FALSE(page->btnOk()->isEnabled());
    page->seCarNo()->Step(1);
    EXPECT_FALSE(page->btnOk()->isEnabled());
    Click(page->btnApply());
    EXPECT_TRUE(page->btnOk()->isEnabled());
    page->chkSportCar()->setChecked(false);
    EXPECT_TRUE(page->btnOk()->isEnabled());

    Click(page->btnCancel());
    EXPECT_FALSE(page->pnlSetting()->isVisible());
    time.Advance(550);
    EXPECT_TRUE(page->pnlSetting()->isVisible());
    EXPECT_TRUE(page->chkCabrio()->isChecked());
    Click(page->btnOk());
    EXPECT_EQ(CurrentPageName(), "PnlMemJatekForm");
}

TEST_F(PanelsPagesTest, MemoryCardsIgnoreTheFirstCardAgainLockedClicksAndTheTitleStrip)
{
    auto* page = Reach<TPnlMemJatekForm>(QStringLiteral("PnlMemJatekForm"));
    ASSERT_FALSE(dialogs.Shown().empty());
    EXPECT_EQ(dialogs.Shown().back().text,
              "Kattintással találd meg a párokat!\nAz is számít, hogy milyen gyorsan találod meg a párokat.\n"
              "Kezdés: OK gomb.\n\n");
    EXPECT_FALSE(dialogs.Shown().back().closeButton);
    EXPECT_TRUE(page->imgEndGame()->isVisible());
    // Titles read row by row whatever the shuffle did.
    for (int card = 1; card <= 36; ++card) {
        const QPoint at = page->Card(card)->pos();
        const int place = (at.y() - 196) / 94 * 6 + (at.x() - 196) / 94 + 1;
        EXPECT_EQ(page->Card(card)->Title()->text(), QStringLiteral(" Panel %1").arg(place));
    }
    Click(page->Card(1)->Title(), QPoint(20, 5));
    EXPECT_FALSE(page->Card(1)->Face()->isVisible());
    PanelsMoves::ClickCard(*this, *page, 1);
    EXPECT_TRUE(page->Card(1)->Face()->isVisible());
    PanelsMoves::ClickCard(*this, *page, 1);
    EXPECT_EQ(page->Game().SecondCard(), 0);
    const int other = page->Game().Tag(2) == page->Game().Tag(1) ? 3 : 2;
    PanelsMoves::ClickCard(*this, *page, other);
    const int third = PanelsMoves::Partner(*page, 1);
    PanelsMoves::ClickCard(*this, *page, third);
    EXPECT_FALSE(page->Card(third)->Face()->isVisible());
    time.Advance(500);
    EXPECT_FALSE(page->Card(1)->Face()->isVisible());
    EXPECT_TRUE(page->Card(1)->isVisible());
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(CurrentPageName(), "PnlKonyvJelzForm");
}

TEST_F(PanelsPagesTest, EighteenthPairAsksAndYesReshufflesFromZero)
{
    auto* page = Reach<TPnlMemJatekForm>(QStringLiteral("PnlMemJatekForm"));
    dialogs.Clear();
    bool stoppedUnderQuestion = false;
    dialogs.OnShow = [&](const TDialogRequest&) { stoppedUnderQuestion = !page->Timer1()->Enabled(); };
    dialogs.AnswerNext(TDialogResult::Yes);
    while (dialogs.Shown().empty() && PanelsMoves::FindPair(*this, *page)) {
    }
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    const TDialogRequest& question = dialogs.Shown()[0];
    EXPECT_EQ(question.text, "Szeretnél még játszani?");
    EXPECT_EQ(question.escape, TDialogResult::None);
    EXPECT_FALSE(question.closeButton);
    EXPECT_EQ(question.placement, TButtonPlacement::AroundCentre);
    EXPECT_TRUE(stoppedUnderQuestion);
    EXPECT_EQ(page->Games(), 2);
    EXPECT_EQ(page->Game().ElapsedMs(), 0);
    EXPECT_EQ(page->Game().PairsFound(), 0);
    EXPECT_TRUE(page->Card(1)->isVisible());
    EXPECT_TRUE(page->Timer1()->Enabled());
    EXPECT_EQ(CurrentPageName(), "PnlMemJatekForm");
    Click(page->imgEndGame());
    EXPECT_EQ(CurrentPageName(), "PnlKonyvJelzForm");
    EXPECT_FALSE(BoardText(QStringLiteral("STEP_READY")));
}

TEST_F(PanelsPagesTest, ActionOfAnotherTextOrKindLeadsToTheBookmarks)
{
    OpenPanelsTopic();
    ReachPage(QStringLiteral("PnlMemJatekForm"));
    Controller().SetValue(QStringLiteral("ACTION"), std::make_unique<TInteger>(7));
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(CurrentPageName(), "PnlKonyvJelzForm");
    EXPECT_NE(Controller().GetValue(QStringLiteral("ACTION")), nullptr);
}

TEST_F(PanelsPagesTest, LeavingTheClosingGameByTheBackSignClearsAction)
{
    OpenPanelsTopic();
    ReachPage(QStringLiteral("Ertekeles"));
    ASSERT_TRUE(LearnerMoves::Helpful(*this));
    ASSERT_EQ(CurrentPageName(), "PnlMemJatekForm");
    EXPECT_EQ(BoardText(QStringLiteral("ACTION")), "NEXTFORM");
    Click(On<TPnlMemJatekForm>()->imgToMain());
    EXPECT_EQ(CurrentPageName(), "ModulValaszt");
    EXPECT_EQ(Controller().GetValue(QStringLiteral("ACTION")), nullptr);
    // The next visit's first memory game leads on to the bookmarks again.
    ASSERT_TRUE(LearnerMoves::Choose(*this, QStringLiteral("PANELEK")));
    ReachPage(QStringLiteral("PnlMemJatekForm"));
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(CurrentPageName(), "PnlKonyvJelzForm");
}

TEST_F(PanelsPagesTest, TabbedPanelOpensOkAfterEveryTabAndComesBackWhenClosed)
{
    auto* page = Reach<TPnlFulesPanelForm>(QStringLiteral("PnlFulesPanelForm"));
    Click(page->pnlOK()->CloseButton());
    EXPECT_FALSE(page->pnlOK()->isVisible());
    time.Advance(500);
    EXPECT_TRUE(page->pnlOK()->isVisible());
    for (int tab : {5, 2, 4, 1})
        page->PageControl1()->setCurrentIndex(tab);
    EXPECT_FALSE(page->Button1()->isEnabled());
    page->PageControl1()->setCurrentIndex(3);
    EXPECT_TRUE(page->Button1()->isEnabled());
    Click(page->Button1());
    EXPECT_EQ(CurrentPageName(), "PnlMiniVizsgaIntroForm");
}

TEST_F(PanelsPagesTest, ExamAllRightScoresTwentyNineWithTheTimeFromShowing)
{
    auto* page = Reach<TPnlMiniVizsgaForm>(QStringLiteral("PnlMiniVizsgaForm"));
    for (int tab : {1, 2, 3, 4}) {
        page->PageControl1()->setCurrentIndex(tab);
        EXPECT_FALSE(page->btnOk()->isEnabled());
    }
    time.Advance(64800);
    PanelsMoves::AnswerExam(*this, *page);
    EXPECT_TRUE(page->btnOk()->isEnabled());
    EXPECT_EQ(page->lbNames()->Items(),
              (QStringList{"Digit Nóra", "Pixeles Tivadar", "Kábel Ödön"}));
    EXPECT_EQ(page->ListBox1()->count(), 6);
    Click(page->btnOk());
    ASSERT_EQ(CurrentPageName(), "Ertekeles");
    EXPECT_EQ(On<TErtekeles>()->Text(),
              "Feladat: Mini vizsga<BR>Név: Anna<BR>Idő: 01:04<BR>Eredmény: 29 / 29<BR>Értékelés: Gratulálok az elért "
              "kiváló eredményedhez.<BR><BR>Ha elolvastad, akkor nyomd meg az L billentyűt!");
}

TEST_F(PanelsPagesTest, ExamAbortFirstLosesCancelAndNothingAnsweredIsFour)
{
    auto* page = Reach<TPnlMiniVizsgaForm>(QStringLiteral("PnlMiniVizsgaForm"));
    EXPECT_EQ(page->StandardButton(1)->Caption(), "Megszakítás");
    EXPECT_EQ(page->StandardButton(2)->Caption(), "Ismét");
    EXPECT_EQ(page->StandardButton(3)->Caption(), "Mégsem");
    page->PageControl1()->setCurrentIndex(2);
    Click(page->StandardButton(1));
    EXPECT_FALSE(page->StandardButton(3)->isEnabled());
    EXPECT_FALSE(page->Answers().cancel);
    // The right button on the left label and the left one on the right label earn nothing.
    page->PageControl1()->setCurrentIndex(1);
    Click(page->Label1(), QPoint(10, 10), Qt::RightButton);
    Click(page->Label2(), QPoint(10, 10), Qt::LeftButton);
    EXPECT_FALSE(page->Answers().leftClick);
    EXPECT_FALSE(page->Answers().rightClick);
    Click(page->Label1(), QPoint(10, 10), Qt::LeftButton);
    EXPECT_EQ(page->Label1()->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(page->Answers().Score(), 5);
    // Keys on the fruit box: Enter adds, Delete on a chosen item removes.
    page->PageControl1()->setCurrentIndex(4);
    ListsMoves::AddName(*this, *page->cbFruct(), QStringLiteral("citrom"));
    EXPECT_EQ(page->cbFruct()->Items(), (QStringList{"alma", "banán", "málna", "citrom"}));
    page->cbFruct()->setCurrentIndex(0);
    page->cbFruct()->setFocus();
    PressKey(Qt::Key_Delete);
    EXPECT_EQ(page->cbFruct()->Items(), (QStringList{"banán", "málna", "citrom"}));
    // A drop from the list without tag 55 is refused.
    ListsMoves::DragItem(*this, *page->lbEmpty(), 0, *page->lbNames());
    EXPECT_EQ(page->lbNames()->count(), 0);
}
