#include "framework/BaseCustForm.h"
#include "framework/BaseForm.h"
#include "framework/Menu.h"
#include "framework/MenuBar.h"
#include "framework/PopupMenu.h"
#include "framework/WindowGroup.h"
#include "platform/ManualTime.h"
#include "platform/Services.h"
#include "platform/Stage.h"
#include "shell/IModule.h"
#include "support/QtPrinters.h"
#include "support/SentenceMenu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace {

class TStillModule : public IModule {
public:
    void Start() override {}
    void Notify() override {}
    void Stop() override {}
    void SetController(std::shared_ptr<IModuleController>) override {}
    std::shared_ptr<IModuleController> GetController() const override { return nullptr; }
};

class TKeyPage : public TBaseForm {
public:
    TKeyPage() : TBaseForm(QStringLiteral("KeyPage")) {}
    QStringList keys;

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers) override { keys << QStringLiteral("down %1").arg(key); }
    void FormKeyUp(int& key, Qt::KeyboardModifiers) override { keys << QStringLiteral("up %1").arg(key); }
};

class TKeyWindow : public TBaseCustForm {
public:
    using TBaseCustForm::TBaseCustForm;
    QStringList keys;

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers) override { keys << QStringLiteral("down %1").arg(key); }
    void FormKeyUp(int& key, Qt::KeyboardModifiers) override { keys << QStringLiteral("up %1").arg(key); }
};

void Move(QWidget* widget, QPoint at, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// A page on the stage's canvas with the shortcut window of the menus topic and a submenu menu.
class MenuTest : public ::testing::Test {
public:
    void SetUp() override
    {
        Services::SetTime(&time);
        stage = std::make_unique<TStage>(true);
        stage->Present();
        page = new TKeyPage;
        page->SetModule(std::make_shared<TStillModule>());
        page->ShowPage();
        window = new TKeyWindow(page, QStringLiteral("TornaForm"), QStringLiteral("Torna"));
        window->SetBounds(QRect(170, 200, 504, 537));
        menu = new TMenu;
        TMenuItem& torna = menu->Add(QStringLiteral("&Torna"), 10);
        torna.Add(QStringLiteral("Fejet Jobbra"), 11, {}, QKeySequence(Qt::Key_F1));
        torna.Add(QStringLiteral("Fejet balra"), 12, {}, QKeySequence(Qt::Key_F2));
        torna.Add(QStringLiteral("Forgás jobbra"), 13, {}, QKeySequence(Qt::Key_F3));
        torna.Add(QStringLiteral("Guggolás"), 15, {}, QKeySequence(Qt::Key_F5));
        TMenuItem& aerobic = menu->Add(QStringLiteral("&Aerobic"), 20);
        aerobic.Add(QStringLiteral("Törzsdöntés előre"), 21, {}, QKeySequence(Qt::CTRL | Qt::Key_E));
        aerobic.Add(QStringLiteral("Törzsdöntés hátra"), 22, {}, QKeySequence(Qt::CTRL | Qt::Key_H));
        aerobic.Add(QStringLiteral("Törzsdöntés jobbra"), 23, {}, QKeySequence(Qt::CTRL | Qt::Key_J));
        aerobic.Add(QStringLiteral("Karemelés"), 25).Enabled = false;
        TMenuItem& animals = menu->Add(QStringLiteral("Állatok"), 30);
        animals.Add(QStringLiteral("Bogarak "));
        TMenuItem& mice = animals.Add(QStringLiteral("Egerek"));
        mice.Add(QStringLiteral("Inci"));
        mice.Add(QStringLiteral("Nyilacska "), 2);
        animals.Add(QStringLiteral("Gyíkok"));
        Watch(menu);
        window->SetMenu(menu);
        window->Show();
        bar = window->MenuBar();
    }

    void TearDown() override
    {
        delete page;
        stage.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Services::SetTime(nullptr);
    }

    void Watch(TMenu* watched)
    {
        watched->OnChoose = [this](TMenuItem& item) { log << "choose " + item.Path().join('/'); };
        watched->OnOpen = [this](TMenuItem& top) { log << "open " + top.Text(); };
    }

    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(window, Qt::Key(key), modifiers); }
    void Alt()
    {
        QTest::keyPress(window, Qt::Key_Alt);
        QTest::keyRelease(window, Qt::Key_Alt);
    }
    void ClickTitle(int index) { QTest::mouseClick(bar, Qt::LeftButton, {}, bar->TitleRect(index).center()); }
    static void ClickRow(TPopupMenu* column, int index)
    {
        QTest::mouseClick(column, Qt::LeftButton, {}, column->RowRect(index).center());
    }
    QStringList TakeLog() { return std::exchange(log, {}); }

    TManualTime time;
    std::unique_ptr<TStage> stage;
    TKeyPage* page = nullptr;
    TKeyWindow* window = nullptr;
    TMenu* menu = nullptr;
    TMenuBar* bar = nullptr;
    QStringList log;
};

} // namespace

TEST(MenuItemTest, TextsAccessLettersPathsAndShortcuts)
{
    TMenu menu;
    TMenuItem& size = menu.Add(QStringLiteral("&Méret"), 300);
    TMenuItem& width = size.Add(QStringLiteral("Szélesség "));
    TMenuItem& smaller = width.Add(QStringLiteral("Csökkentés "), 321, QStringLiteral("kisebb"));
    TMenuItem& fish = menu.Add(QStringLiteral("Fish && &Chips"));
    EXPECT_EQ(size.Text(), "Méret");
    EXPECT_EQ(size.AccessKey(), QChar(u'M'));
    EXPECT_EQ(fish.Text(), "Fish & Chips");
    EXPECT_EQ(fish.AccessKey(), QChar(u'C'));
    EXPECT_TRUE(width.AccessKey().isNull());
    EXPECT_EQ(smaller.Path(), QStringList({"Méret", "Szélesség ", "Csökkentés "}));
    EXPECT_EQ(menu.Root().FindByTag(321), &smaller);
    EXPECT_EQ(menu.Root().FindByName(QStringLiteral("kisebb")), &smaller);
    EXPECT_EQ(menu.Root().FindByText(QStringLiteral("Szélesség ")), &width);
    EXPECT_EQ(menu.Root().FindByText(QStringLiteral("Szélesség")), nullptr);

    TMenuItem& ctrlE = fish.Add(QStringLiteral("előre"), 21, {}, QKeySequence(Qt::CTRL | Qt::Key_E));
    EXPECT_EQ(menu.FindShortCut(Qt::Key_E, Qt::ControlModifier | Qt::KeypadModifier), &ctrlE);
    EXPECT_EQ(menu.FindShortCut(Qt::Key_E, Qt::NoModifier), nullptr);
    fish.Enabled = false;
    EXPECT_EQ(menu.FindShortCut(Qt::Key_E, Qt::ControlModifier), nullptr);

    int chosen = 0;
    menu.OnChoose = [&](TMenuItem&) { ++chosen; };
    EXPECT_FALSE(menu.Choose(width)) << "a submenu item is no choice";
    EXPECT_FALSE(menu.Choose(ctrlE)) << "its menu is disabled";
    EXPECT_TRUE(menu.Choose(smaller));
    EXPECT_EQ(chosen, 1);
}

TEST_F(MenuTest, EachRouteReportsOneChoiceAndClosesTheMenus)
{
    // Mouse: a press on the title opens it, a click on the item chooses.
    ClickTitle(0);
    TPopupMenu* column = TPopupMenu::Current();
    ASSERT_NE(column, nullptr);
    EXPECT_EQ(column->Selected(), -1);
    ClickRow(column, 2);
    EXPECT_EQ(TakeLog(), QStringList({"open Torna", "choose Torna/Forgás jobbra"}));
    EXPECT_EQ(TPopupMenu::Current(), nullptr);
    EXPECT_FALSE(bar->Active());

    // Alt + letter opens with the first item selected; Down and Enter choose.
    Key(Qt::Key_A, Qt::AltModifier);
    ASSERT_NE(TPopupMenu::Current(), nullptr);
    EXPECT_EQ(TPopupMenu::Current()->Selected(), 0);
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_EQ(TakeLog(), QStringList({"open Aerobic", "choose Aerobic/Törzsdöntés hátra"}));
    EXPECT_FALSE(bar->Active());

    // A letter in the open menu.
    Key(Qt::Key_T, Qt::AltModifier);
    Key(Qt::Key_G);
    EXPECT_EQ(TakeLog(), QStringList({"open Torna", "choose Torna/Guggolás"}));

    // Shortcuts with the menus closed.
    Key(Qt::Key_F1);
    Key(Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(TakeLog(), QStringList({"choose Torna/Fejet Jobbra", "choose Aerobic/Törzsdöntés jobbra"}));
    EXPECT_EQ(TPopupMenu::Current(), nullptr);

    // A disabled item is no choice by any route; its menu stays open after the click.
    ClickTitle(1);
    ClickRow(TPopupMenu::Current(), 3);
    ASSERT_NE(TPopupMenu::Current(), nullptr);
    Key(Qt::Key_End);
    Key(Qt::Key_Return);
    EXPECT_EQ(TakeLog(), QStringList({"open Aerobic"}));
}

TEST_F(MenuTest, ShortcutsWorkOnlyInTheActiveWindow)
{
    auto* other = new TBaseCustForm(page, QStringLiteral("Other"), QStringLiteral("Other"));
    other->SetBounds(QRect(600, 100, 300, 200));
    other->Show();
    ASSERT_FALSE(window->Active());
    Key(Qt::Key_F1);
    Key(Qt::Key_Alt, Qt::NoModifier);
    EXPECT_TRUE(log.isEmpty()) << log.join(',').toStdString();
    EXPECT_FALSE(bar->Active());

    TWindowGroup::Of(page).Activate(window);
    Key(Qt::Key_F1);
    EXPECT_EQ(TakeLog(), QStringList({"choose Torna/Fejet Jobbra"}));

    // The page active: the page has the key.
    TWindowGroup::Of(page).ActivateHost();
    page->keys.clear();
    QTest::keyClick(page, Qt::Key_F1);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(page->keys, QStringList({"down 112", "up 112"}));
}

TEST_F(MenuTest, AltArmsTheBarAndEscClosesOneLevelAtATime)
{
    Alt();
    EXPECT_TRUE(bar->Active());
    EXPECT_EQ(bar->HotIndex(), 0);
    EXPECT_EQ(bar->OpenIndex(), -1);
    Key(Qt::Key_Right);
    EXPECT_EQ(bar->HotIndex(), 1);
    Key(Qt::Key_Down);
    EXPECT_EQ(bar->OpenIndex(), 1);
    EXPECT_EQ(TPopupMenu::Current()->Selected(), 0);
    Key(Qt::Key_Escape);
    EXPECT_EQ(TPopupMenu::Current(), nullptr);
    EXPECT_TRUE(bar->Active());
    EXPECT_EQ(bar->HotIndex(), 1);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(bar->Active());

    // Left from the first title goes round to the last; Alt again disarms.
    Alt();
    Key(Qt::Key_Left);
    EXPECT_EQ(bar->HotIndex(), 2);
    Alt();
    EXPECT_FALSE(bar->Active());

    // A key between Alt's press and release arms nothing; nor does Alt+F4, which the stage keeps
    // (a lesson's window refuses to close).
    window->AllowClose = false;
    QTest::keyPress(window, Qt::Key_Alt);
    QTest::keyClick(window, Qt::Key_Q, Qt::AltModifier);
    QTest::keyRelease(window, Qt::Key_Alt);
    EXPECT_FALSE(bar->Active());
    QTest::keyPress(window, Qt::Key_Alt);
    QTest::keyPress(stage.get(), Qt::Key_F4, Qt::AltModifier);
    QTest::keyRelease(window, Qt::Key_Alt);
    EXPECT_FALSE(bar->Active());

    // A click on the page ends the armed state.
    Alt();
    ASSERT_TRUE(bar->Active());
    QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_FALSE(bar->Active());
    EXPECT_EQ(TakeLog(), QStringList({"open Aerobic"}));
}

TEST_F(MenuTest, KeysTheMenusTakeNeverReachTheWindowOrThePage)
{
    page->keys.clear();
    Alt();
    Key(Qt::Key_X); // swallowed by the armed bar
    Key(Qt::Key_Right);
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    Key(Qt::Key_Right);
    Key(Qt::Key_Left);
    Key(Qt::Key_Escape);
    Key(Qt::Key_Escape);
    Key(Qt::Key_T, Qt::AltModifier);
    // Enter chooses; its release comes after the menu has closed and is the menu's too.
    QTest::keyPress(window, Qt::Key_Return);
    ASSERT_EQ(TPopupMenu::Current(), nullptr);
    QTest::keyRelease(window, Qt::Key_Return);
    Key(Qt::Key_F2);
    EXPECT_TRUE(window->keys.isEmpty()) << window->keys.join(',').toStdString();
    EXPECT_TRUE(page->keys.isEmpty()) << page->keys.join(',').toStdString();
    EXPECT_EQ(TakeLog().filter("choose"), QStringList({"choose Torna/Fejet Jobbra", "choose Torna/Fejet balra"}));

    // Other keys go on to the window's and the page's handlers.
    Key(Qt::Key_Q);
    EXPECT_EQ(window->keys, QStringList({"down 81", "up 81"}));
    EXPECT_EQ(page->keys, QStringList({"down 81", "up 81"}));
}

TEST_F(MenuTest, ArrowKeysOpenAndCloseSubmenusAndPassSideways)
{
    Alt();
    Key(Qt::Key_Left);
    Key(Qt::Key_Return);
    TPopupMenu* top = TPopupMenu::Current();
    ASSERT_NE(top, nullptr);
    Key(Qt::Key_Down);
    EXPECT_EQ(top->Selected(), 1);
    Key(Qt::Key_Right);
    ASSERT_EQ(top->Depth(), 2);
    EXPECT_EQ(top->Column(1)->Selected(), 0);
    EXPECT_GE(top->Column(1)->x(), top->x() + top->width() - 3);
    Key(Qt::Key_Left);
    EXPECT_EQ(top->Depth(), 1);
    EXPECT_EQ(top->Selected(), 1);
    Key(Qt::Key_Right);
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_EQ(TakeLog(), QStringList({"open Állatok", "choose Állatok/Egerek/Nyilacska "}));

    // Right on a leaf opens the next title's menu, Left at the first level the previous one.
    Key(Qt::Key_T, Qt::AltModifier);
    Key(Qt::Key_Right);
    EXPECT_EQ(bar->OpenIndex(), 1);
    Key(Qt::Key_Left);
    Key(Qt::Key_Left);
    EXPECT_EQ(bar->OpenIndex(), 2);
    EXPECT_EQ(TakeLog(), QStringList({"open Torna", "open Aerobic", "open Torna", "open Állatok"}));
}

TEST_F(MenuTest, PointerOpensSubmenusAfterARestAndTitlesByHoverOrPress)
{
    ClickTitle(2);
    TPopupMenu* top = TPopupMenu::Current();
    ASSERT_NE(top, nullptr);
    Move(top, top->RowRect(1).center());
    time.Advance(399);
    EXPECT_EQ(top->Depth(), 1);
    time.Advance(1);
    ASSERT_EQ(top->Depth(), 2);
    EXPECT_EQ(top->Column(1)->Selected(), -1);
    // Into the submenu and back to another row: the submenu closes after a rest.
    Move(top->Column(1), top->Column(1)->RowRect(0).center());
    EXPECT_EQ(top->Column(1)->Selected(), 0);
    Move(top, top->RowRect(0).center());
    time.Advance(400);
    EXPECT_EQ(top->Depth(), 1);
    // A click on a submenu item opens it at once.
    ClickRow(top, 1);
    EXPECT_EQ(top->Depth(), 2);

    // While a menu is open, the pointer over another title opens that one.
    Move(bar, bar->TitleRect(0).center());
    EXPECT_EQ(bar->OpenIndex(), 0);
    // A press on the open title closes it.
    ClickTitle(0);
    EXPECT_EQ(TPopupMenu::Current(), nullptr);
    EXPECT_FALSE(bar->Active());
    EXPECT_EQ(TakeLog(), QStringList({"open Állatok", "open Torna"}));
}

TEST_F(MenuTest, AClickOutsideClosesTheMenusAndDoesNothingElse)
{
    auto* edit = new QLineEdit(window->Client());
    edit->setGeometry(10, 10, 100, 21);
    edit->show();
    ClickTitle(0);
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(TPopupMenu::Current(), nullptr);
    EXPECT_FALSE(bar->Active());
    EXPECT_EQ(stage->Canvas()->focusWidget(), window);
    EXPECT_TRUE(page->keys.isEmpty());
    EXPECT_EQ(TakeLog(), QStringList({"open Torna"}));
}

TEST_F(MenuTest, CheckMarksAHandlerTogglesShowTheNextTimeTheMenuOpens)
{
    menu->OnChoose = [](TMenuItem& item) { item.Checked = !item.Checked; };
    const auto checkPixels = [this] {
        const QImage column = TPopupMenu::Current()->grab().toImage();
        // The first row's check mark: its top right pixel and its left stroke.
        return QList<QRgb>({column.pixel(15, 8), column.pixel(9, 10)});
    };
    const QRgb black = qRgb(0, 0, 0);
    ClickTitle(0);
    EXPECT_NE(checkPixels(), QList<QRgb>({black, black}));
    ClickRow(TPopupMenu::Current(), 0);
    ClickTitle(0);
    EXPECT_EQ(checkPixels(), QList<QRgb>({black, black}));
    ClickRow(TPopupMenu::Current(), 0);
    ClickTitle(0);
    EXPECT_NE(checkPixels(), QList<QRgb>({black, black}));
}

TEST_F(MenuTest, SentenceMenuCascadesFourDeepOnTheScreen)
{
    TMenu* sentences = SentenceMenu();
    Watch(sentences);
    window->SetMenu(sentences);
    window->SetBounds(QRect(170, 200, 521, 494));
    bar = window->MenuBar();
    std::set<QString> paths;
    std::function<void(const TMenuItem&)> leaves = [&](const TMenuItem& item) {
        if (!item.HasSubmenu())
            paths.insert(item.Path().join(' '));
        for (int i = 0; i < item.Count(); ++i)
            leaves(item.Item(i));
    };
    leaves(sentences->Root());
    EXPECT_EQ(paths.size(), 1296u);
    EXPECT_EQ(paths.count(QStringLiteral("Szavak Nyilacska korán reggel tornázik.")), 1u);

    const QRect screen(0, 0, 1024, 768);
    // The last word of every level reaches furthest right and down.
    for (const QRect& bounds : {QRect(170, 200, 521, 494), QRect(640, 420, 380, 300)}) {
        window->SetBounds(bounds);
        Alt();
        Key(Qt::Key_Down);
        for (int level = 0; level < 3; ++level) {
            Key(Qt::Key_End);
            Key(Qt::Key_Right);
        }
        Key(Qt::Key_End);
        TPopupMenu* top = TPopupMenu::Current();
        ASSERT_EQ(top->Depth(), 4);
        for (int depth = 0; depth < 4; ++depth) {
            TPopupMenu* column = top->Column(depth);
            EXPECT_TRUE(screen.contains(column->geometry())) << depth;
            if (depth > 0) {
                EXPECT_FALSE(column->geometry().intersects(top->Column(depth - 1)->geometry().adjusted(3, 0, -3, 0)))
                    << depth;
            }
        }
        Key(Qt::Key_Return);
    }
    EXPECT_EQ(TakeLog(), QStringList({"open Szavak", "choose Szavak/Tivadar/tovább/mindenkit/reggelizik.",
                                      "open Szavak", "choose Szavak/Tivadar/tovább/mindenkit/reggelizik."}));
}

TEST_F(MenuTest, NearTheCanvasEdgesColumnsTurnLeftAndMoveUp)
{
    TMenu* sentences = SentenceMenu();
    window->SetMenu(sentences);
    window->SetBounds(QRect(700, 440, 300, 300));
    Alt();
    Key(Qt::Key_Down);
    for (int level = 0; level < 3; ++level) {
        Key(Qt::Key_End);
        Key(Qt::Key_Right);
    }
    TPopupMenu* top = TPopupMenu::Current();
    ASSERT_EQ(top->Depth(), 4);
    EXPECT_FALSE(top->Column(1)->Leftward());
    EXPECT_TRUE(top->Column(2)->Leftward());
    EXPECT_TRUE(top->Column(3)->Leftward());
    EXPECT_LT(top->Column(3)->x(), top->Column(2)->x());
    EXPECT_EQ(top->Column(3)->geometry().bottom(), 767);
}

TEST_F(MenuTest, ARightPressOnAnAttachedBoxOpensTheCoursesMenuAtThePointer)
{
    TMenu popup;
    popup.Add(QStringLiteral("Új elem felvétele"), 0, QStringLiteral("newItem"));
    popup.Add(QStringLiteral("Beszúrás"));
    TMenuItem& remove = popup.Add(QStringLiteral("Törlés"));
    remove.Add(QStringLiteral("A kijelölt elemek törlése"), 0, QStringLiteral("delSel"));
    remove.Add(QStringLiteral("Mind"));
    Watch(&popup);
    auto* edit = new QLineEdit(page);
    edit->setGeometry(472, 256, 145, 21);
    auto* list = new QListWidget(page);
    list->setGeometry(472, 280, 145, 169);
    list->addItems({"alma", "dinnye", "narancs"});
    edit->show();
    list->show();
    TPopupMenu::Attach(edit, &popup);
    TPopupMenu::Attach(list, &popup);

    QTest::mousePress(edit, Qt::RightButton, {}, QPoint(20, 10));
    TPopupMenu* column = TPopupMenu::Current();
    ASSERT_NE(column, nullptr);
    EXPECT_EQ(column->pos(), QPoint(492, 266));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(edit->findChildren<QMenu*>().isEmpty());
    // The release where the menu opened chooses nothing.
    QTest::mouseRelease(edit, Qt::RightButton, {}, QPoint(20, 10));
    EXPECT_EQ(TPopupMenu::Current(), column);
    ClickRow(column, 0);
    EXPECT_EQ(TakeLog(), QStringList({"choose Új elem felvétele"}));

    // A right press on the list neither selects an item nor keeps the other window active.
    QTest::mousePress(list->viewport(), Qt::RightButton, {}, QPoint(20, 5));
    ASSERT_NE(TPopupMenu::Current(), nullptr);
    QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, QPoint(20, 5));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(TWindowGroup::Of(page).Active(), nullptr);
    Key(Qt::Key_Escape);
    EXPECT_EQ(TPopupMenu::Current(), nullptr);

    // Shift+F10 and the menu key open the focused box's menu at the box.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_NE(TPopupMenu::Current(), nullptr);
    EXPECT_EQ(TPopupMenu::Current()->pos(), QPoint(544, 364));
    QTest::keyClick(list, Qt::Key_Escape);
    page->keys.clear();
    QTest::keyClick(list, Qt::Key_Menu);
    ASSERT_NE(TPopupMenu::Current(), nullptr);
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Right);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(TakeLog(), QStringList({"choose Törlés/A kijelölt elemek törlése"}));
    EXPECT_TRUE(page->keys.filter("down").isEmpty()) << page->keys.join(',').toStdString();

    // Qt's own context menu never opens, even on a box without a menu of ours.
    auto* plain = new QLineEdit(page);
    plain->setGeometry(472, 500, 145, 21);
    plain->show();
    const QPoint inPlain = stage->mapFromScene(QPointF(480, 505));
    QContextMenuEvent request(QContextMenuEvent::Mouse, inPlain, stage->viewport()->mapToGlobal(inPlain));
    QApplication::sendEvent(stage->viewport(), &request);
    EXPECT_TRUE(plain->findChildren<QMenu*>().isEmpty());
}

TEST(ScaledMenuTest, MenusOpenAtTheirCanvasPlaceOnAScaledCentredStage)
{
    TStage stage(false);
    stage.Present();
    stage.setGeometry(0, 0, 1300, 800); // scale 800 / 768, bands left and right
    auto* page = new QWidget(stage.Canvas());
    page->setGeometry(0, 0, 1024, 768);
    page->show();
    auto* window = new TBaseCustForm(page, QStringLiteral("w"), QStringLiteral("w"));
    window->SetBounds(QRect(170, 200, 400, 300));
    auto* menu = new TMenu;
    menu->Add(QStringLiteral("&Fájl")).Add(QStringLiteral("Új"));
    window->SetMenu(menu);
    window->Show();
    const auto click = [&](QPoint canvas, Qt::MouseButton button) {
        const QPoint at = stage.mapFromScene(QPointF(canvas));
        QTest::mouseClick(stage.viewport(), button, {}, at);
    };
    // The window's border is 4, its title 19: the bar's first title stands at (174, 223).
    click(QPoint(180, 230), Qt::LeftButton);
    ASSERT_NE(TPopupMenu::Current(), nullptr);
    EXPECT_EQ(TPopupMenu::Current()->pos(), QPoint(174, 243));
    // A press on a band beside the canvas closes it.
    QTest::mouseClick(stage.viewport(), Qt::LeftButton, {}, QPoint(10, 400));
    EXPECT_EQ(TPopupMenu::Current(), nullptr);

    auto* edit = new QLineEdit(page);
    edit->setGeometry(600, 500, 145, 21);
    edit->show();
    TMenu popup;
    popup.Add(QStringLiteral("Beszúrás"));
    TPopupMenu::Attach(edit, &popup);
    click(QPoint(610, 505), Qt::RightButton);
    ASSERT_NE(TPopupMenu::Current(), nullptr);
    EXPECT_EQ(TPopupMenu::Current()->pos(), QPoint(610, 505));
    TPopupMenu::Current()->CloseAll();
    delete page;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
