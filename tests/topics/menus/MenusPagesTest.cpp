#include "MenusCourse.h"

#include "framework/BalloonHint.h"
#include "framework/BaseCustForm.h"
#include "framework/ClipPlayer.h"
#include "framework/Image.h"
#include "framework/NoraInfoForm.h"
#include "framework/PopupMenu.h"
#include "framework/PushButton.h"
#include "platform/PageTimer.h"
#include "topics/menus/MenuAlmenu2Form.h"
#include "topics/menus/MenuAlmenu2MForm.h"
#include "topics/menus/MenuAsztalkaForm.h"
#include "topics/menus/MenuAsztalkaMForm.h"
#include "topics/menus/MenuKedvencMForm.h"
#include "topics/menus/MenuMenuForm.h"
#include "topics/menus/MenuMenuMForm.h"
#include "topics/menus/MenuMondatForm.h"
#include "topics/menus/MenuMondatMForm.h"
#include "topics/menus/MenuPopUp2MForm.h"
#include "topics/menus/MenuTornaForm.h"
#include "topics/menus/MenuTornaMForm.h"
#include "framework/DragListBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>

namespace {

using MenusPagesTest = MenusCourse;

TEST_F(MenusPagesTest, MenuBarOpensTovabbOnlyAfterADishFromEveryMenu)
{
    auto* page = Reach<TMenuMenuMForm>(TMenusStop::Menu);
    TMenuMenuForm* window = page->MenuWindow();
    EXPECT_EQ(window->geometry().topLeft(), QPoint(170, 200));
    EXPECT_EQ(window->Caption(), "Kedvenc ételek");
    for (int item = 0; item < 5; ++item)
        MenusMoves::ChooseByMouse(*this, *window, {2, item});
    EXPECT_FALSE(window->btnTovabb()->isVisible());
    for (int menu : {5, 0, 4, 1, 3})
        MenusMoves::ChooseByMouse(*this, *window, {menu, 5 - menu});
    EXPECT_TRUE(window->btnTovabb()->isVisible());
    Click(window->btnTovabb());
    EXPECT_EQ(CurrentPageName(), "MenuKedvencMForm");
}

TEST_F(MenusPagesTest, FavouritesListEachFavouriteOnceAndNothingElse)
{
    auto* page = Reach<TMenuKedvencMForm>(TMenusStop::Kedvenc);
    TMenuMenuForm* window = page->MenuWindow();
    MenusMoves::ChooseByMouse(*this, *window, {0, 5}); // karfiolleves
    MenusMoves::ChooseByMouse(*this, *window, {0, 5});
    MenusMoves::ChooseByMouse(*this, *window, {0, 0}); // húsleves
    EXPECT_EQ(page->selList()->Items(), QStringList{"karfiolleves"});
    for (const std::vector<int>& path : std::vector<std::vector<int>>{{1, 2}, {2, 2}, {3, 4}, {4, 2}, {5, 4}})
        MenusMoves::ChooseByMouse(*this, *window, path);
    EXPECT_EQ(page->selList()->Items(),
              (QStringList{"karfiolleves", "brassói", "grízes tészta", "spenót", "négerkocka", "eper"}));
    EXPECT_TRUE(window->txtInfo()->text().isEmpty());
    EXPECT_TRUE(window->btnTovabb()->isVisible());
}

TEST_F(MenusPagesTest, TableTakesOnlyTheRequestedItemAndFillsThreePlates)
{
    QPointer<TMenuAsztalkaMForm> page = Reach<TMenuAsztalkaMForm>(TMenusStop::Asztalka);
    TMenuAsztalkaForm* window = page->AsztalkaWindow();
    EXPECT_EQ(TBalloonHint::Current(page), nullptr);
    page->Timer()->Fire();
    TBalloonHint* balloon = TBalloonHint::Current(page);
    ASSERT_NE(balloon, nullptr);
    EXPECT_EQ(balloon->Text(), "Narancslét szeretnék inni!");
    EXPECT_EQ(balloon->Tip(), QPoint(240, 432));

    MenusMoves::ChooseByMouse(*this, *window, {1, 0}); // almalé, not asked for
    EXPECT_TRUE(Item(window->Menu(), "almalé")->Checked);
    EXPECT_EQ(page->Request(), 1);
    EXPECT_EQ(page->PlateTag(0), 0);
    MenusMoves::ChooseByMouse(*this, *window, {1, 2}); // narancslé
    EXPECT_EQ(page->Request(), 2);
    EXPECT_EQ(page->PlateTag(0), 23);
    EXPECT_EQ(TBalloonHint::Current(page)->Text(), "Puncsos sütit kívánok!");

    for (const std::vector<int>& path : std::vector<std::vector<int>>{{2, 2}, {1, 2}, {0, 2}, {2, 0}})
        MenusMoves::ChooseByMouse(*this, *window, path);
    EXPECT_EQ(page->Request(), 6);
    EXPECT_EQ((std::vector<int>{page->PlateTag(0), page->PlateTag(1), page->PlateTag(2)}),
              (std::vector<int>{13, 33, 31}));
    for (int slot = 0; slot < 3; ++slot)
        EXPECT_TRUE(page->Plate(slot)->isVisible()) << slot;

    ASSERT_TRUE(MenusMoves::Helpful(*this));
    EXPECT_EQ(CurrentPageName(), "MenuTornaMForm");
}

TEST_F(MenusPagesTest, ShortcutsWorkWithTheMenuClosedOnlyForTheTaskOnScreen)
{
    auto* page = Reach<TMenuTornaMForm>(TMenusStop::Torna);
    TMenuTornaForm* window = page->TornaWindow();
    EXPECT_EQ(page->Step(), 1);
    PressKey(Qt::Key_F1); // nothing yet: a menu must be opened first
    EXPECT_EQ(page->Step(), 1);
    EXPECT_FALSE(window->anim()->isVisible());

    PressKey(Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(page->Step(), 2);
    EXPECT_EQ(window->txtTask()->text(), "Fejdöntés jobbra");
    PressKey(Qt::Key_Escape);
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(TPopupMenu::Current(), nullptr);

    PressKey(Qt::Key_F2); // not the task on screen
    EXPECT_EQ(page->Step(), 2);
    PressKey(Qt::Key_F1);
    EXPECT_EQ(page->Step(), 3);
    EXPECT_EQ(TPopupMenu::Current(), nullptr);
    EXPECT_TRUE(window->anim()->isVisible());
    EXPECT_TRUE(window->anim()->FileName().endsWith("fej_jobb.avi")) << window->anim()->FileName().toStdString();
    EXPECT_EQ(window->txtTask()->text(), "Törzsdöntés hátra");
    PressKey(Qt::Key_F1);
    EXPECT_EQ(page->Step(), 3);
}

TEST_F(MenusPagesTest, WishesGrantOnlyTheWishOnScreenAndNoraComesAndGoes)
{
    auto* page = Reach<TMenuAlmenu2MForm>(TMenusStop::Almenu2);
    TMenuAlmenu2Form* window = page->WishWindow();
    TMenuItem* nora = window->Menu()->Root().FindByTag(113);
    MenusMoves::ChooseByMouse(*this, *window, {0, 1, 2}); // Digit Nóra at wish 0
    EXPECT_EQ(window->WishStep(), 0);
    EXPECT_FALSE(nora->Checked);
    EXPECT_EQ(window->txtTask()->text(), "Elsőként kék hátteret szeretnék!");

    const QSize start = window->size();
    MenusMoves::ChooseByMouse(*this, *window, {1, 0, 0}); // Kék
    MenusMoves::ChooseByMouse(*this, *window, {2, 0, 0}); // Magasság › Csökkentés
    EXPECT_EQ(window->size(), start - QSize(0, 50));
    MenusMoves::ChooseByMouse(*this, *window, {0, 1, 2}); // Digit Nóra at wish 2
    EXPECT_TRUE(nora->Checked);
    EXPECT_TRUE(window->img2()->isVisible());
    MenusMoves::ChooseByMouse(*this, *window, {1, 1, 1}); // Piros
    EXPECT_EQ(window->txtTask()->text(), "Nóra menjen haza!");
    // Red text on the red window stays legible: it stands on a light backing.
    const QPoint beside = window->txtTask()->mapTo(window, QPoint(10, window->txtTask()->height() / 2));
    const QColor backing = window->grab().toImage().pixelColor(beside);
    EXPECT_GT(backing.lightness(), 200) << backing.name().toStdString();
    MenusMoves::ChooseByMouse(*this, *window, {0, 1, 2}); // Digit Nóra at wish 4
    EXPECT_FALSE(nora->Checked);
    EXPECT_FALSE(window->img2()->isVisible());
    EXPECT_EQ(window->WishStep(), 5);
}

TEST_F(MenusPagesTest, PopUpMenusAddOnlyAPearAndDeleteOnlyTheTwoAskedFor)
{
    auto* page = Reach<TMenuPopUp2MForm>(TMenusStop::PopUp2);
    EXPECT_EQ(page->Step(), 0);
    MenusMoves::ChooseFromPopup(*this, page->btn(), {0}); // out of turn
    EXPECT_EQ(page->btn()->width(), 113);
    MenusMoves::ChooseFromPopup(*this, page->img(), {0});
    MenusMoves::ChooseFromPopup(*this, page->btn(), {0});
    EXPECT_EQ(page->btn()->width(), 143);
    MenusMoves::ChooseFromPopup(*this, page->img(), {2});
    EXPECT_EQ(page->Step(), 3);

    page->listEdit()->setText("alma");
    MenusMoves::ChooseFromPopup(*this, page->listEdit(), {0});
    EXPECT_EQ(page->list()->count(), 5);
    page->listEdit()->setText("Körte");
    MenusMoves::ChooseFromPopup(*this, page->listEdit(), {0});
    ASSERT_EQ(page->list()->count(), 6);
    EXPECT_EQ(page->list()->item(5)->text(), "Körte");
    EXPECT_TRUE(page->listEdit()->text().isEmpty());
    MenusMoves::ChooseFromPopup(*this, page->btn(), {2, 2});
    EXPECT_EQ(page->Step(), 5);

    for (int row : {0, 3, 4}) // alma, citrom and szilva
        page->list()->item(row)->setSelected(true);
    MenusMoves::ChooseFromPopup(*this, page->list()->viewport(), {2, 0});
    EXPECT_EQ(page->list()->count(), 6);
    page->list()->item(4)->setSelected(false);
    MenusMoves::ChooseFromPopup(*this, page->list()->viewport(), {2, 0});
    EXPECT_EQ(page->list()->count(), 4);
    EXPECT_TRUE(page->list()->findItems("alma", Qt::MatchExactly).isEmpty());
    EXPECT_EQ(page->Step(), 6);
}

class MenusSentenceTest : public MenusCourse {
protected:
    TMenuMondatMForm* StartGame()
    {
        auto* page = Reach<TMenuMondatMForm>(TMenusStop::Mondat);
        if (page)
            Click(page->MondatWindow()->btnTovabb());
        return page;
    }
};

TEST_F(MenusSentenceTest, ASentenceInOtherLettersCountsAndActivatingTheWindowAgainKeepsTheCount)
{
    auto* page = StartGame();
    TMenuMondatForm* window = page->MondatWindow();
    EXPECT_FALSE(page->imgEndGame()->isVisible());
    EXPECT_EQ(window->txtInfo()->text(), "Nyilacska korán reggel tornázik.");
    MenusMoves::ChooseByMouse(*this, *window, MenusMoves::SentencePath("Nyilacska korán reggel futni."));
    EXPECT_EQ(window->Errors(), 1);
    window->Menu()->Choose(window->Menu()->Root().FindByTag(999)->Item(4).Item(1).Item(0).Item(3));
    EXPECT_EQ(window->SentenceIndex(), 2);

    ClickPageAt(QPoint(60, 100)); // the page, then the window again
    Click(window, QPoint(100, 100));
    EXPECT_EQ(window->SentenceIndex(), 2);
    EXPECT_EQ(window->Errors(), 1);
    EXPECT_EQ(window->txtInfo()->text(), "Nóra reggel szeret futni.");

    // Keys in the first game end nothing.
    PressKey(Qt::Key_Escape);
    PressKey(Qt::Key_X);
    EXPECT_EQ(CurrentPage(), page);
}

TEST_F(MenusSentenceTest, ReplaysEndOnlyByEscOrTheExitPictureAndLeavingForgetsTheRound)
{
    StartGame();
    ASSERT_TRUE(MenusMoves::Helpful(*this)); // the six sentences and "Tovább"
    EXPECT_TRUE(EvaluationText().startsWith("Feladat: Mondatösszerakósdi <BR>Név: Anna<BR>Idő: 00:00<BR>"))
        << EvaluationText().toStdString();
    PressKey(Qt::Key_L);
    auto* replay = CurrentPageAs<TMenuMondatMForm>();
    ASSERT_NE(replay, nullptr);
    EXPECT_TRUE(replay->imgEndGame()->isVisible());

    // Menu keys and others go to the menu or nowhere; only Esc ends the games.
    PressKey(Qt::Key_Alt);
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Escape);
    PressKey(Qt::Key_Escape);
    PressKey(Qt::Key_Escape);
    PressKey(Qt::Key_Right);
    EXPECT_EQ(CurrentPage(), replay) << CurrentPageName().toStdString();
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(CurrentPageName(), "Ertekeles");
    EXPECT_EQ(EvaluationText(), "Már majdnem mindent tudsz a gép kezeléséről! A menük használata nem bonyolult, csak "
                                "oda kell figyelni! Vigyázz, hogy ne tévedj el az almenük között, és emlékezz: a "
                                "gyorsmenük is nagyon hasznosak! Gratulálok, ezt a témakört is befejezted!");
    EXPECT_FALSE(BoardText("END_GAME"));
    PressKey(Qt::Key_L);
    EXPECT_TRUE(CurrentPageAs<TModulValaszt>());
}

TEST_F(MenusSentenceTest, LeavingAfterAGameShowsNoExitPictureOnTheNextVisit)
{
    StartGame();
    ASSERT_TRUE(MenusMoves::Helpful(*this));
    PressKey(Qt::Key_L);
    ASSERT_TRUE(CurrentPageAs<TMenuMondatMForm>());
    ASSERT_TRUE(LearnerMoves::Leave(*this));
    EXPECT_FALSE(BoardText("MENU_GAME_ROUND"));
    ASSERT_TRUE(LearnerMoves::Choose(*this, "MENUK"));
    for (int lesson = 0; lesson < 8; ++lesson)
        ASSERT_TRUE(MenusMoves::Helpful(*this)) << CurrentPageName().toStdString();
    auto* game = CurrentPageAs<TMenuMondatMForm>();
    ASSERT_NE(game, nullptr);
    EXPECT_FALSE(game->imgEndGame()->isVisible());
}

} // namespace
