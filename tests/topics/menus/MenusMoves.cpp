#include "MenusMoves.h"

#include "framework/BaseCustForm.h"
#include "framework/Image.h"
#include "framework/MenuBar.h"
#include "framework/NoraInfoForm.h"
#include "framework/PopupMenu.h"
#include "framework/PushButton.h"
#include "platform/PageTimer.h"
#include "support/Learner.h"
#include "topics/menus/FocusPanel.h"
#include "topics/menus/MenuAlMenuMForm.h"
#include "topics/menus/MenuAlmenu2Form.h"
#include "topics/menus/MenuAlmenu2MForm.h"
#include "topics/menus/MenuAlmenuForm.h"
#include "topics/menus/MenuAsztalkaForm.h"
#include "topics/menus/MenuAsztalkaMForm.h"
#include "topics/menus/MenuKedvencMForm.h"
#include "topics/menus/MenuMenuForm.h"
#include "topics/menus/MenuMenuMForm.h"
#include "topics/menus/MenuMondatForm.h"
#include "topics/menus/MenuMondatMForm.h"
#include "topics/menus/MenuPopUp2MForm.h"
#include "topics/menus/MenuPopUpMForm.h"
#include "topics/menus/MenuTornaForm.h"
#include "topics/menus/MenuTornaMForm.h"
#include "topics/menus/SentenceGame.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPointer>

namespace MenusMoves {

namespace {

// A whole task on one page; the page may be replaced at its end.
template <class Page> Page* On(TLearner& learner)
{
    return learner.CurrentPageAs<Page>();
}

void Next(TLearner& learner, TPushButton* button)
{
    learner.Click(button);
}

// Row of a tag 10 × menu + item in a bar whose menus carry such tags.
std::vector<int> TagPath(int tag)
{
    return {tag / 10 - 1, tag % 10 - 1};
}

bool MenuBar(TLearner& learner)
{
    auto* page = On<TMenuMenuMForm>(learner);
    if (!page)
        return false;
    for (int menu = 0; menu < 6; ++menu)
        ChooseByMouse(learner, *page->MenuWindow(), {menu, menu});
    Next(learner, page->MenuWindow()->btnTovabb());
    return true;
}

bool Favourites(TLearner& learner)
{
    auto* page = On<TMenuKedvencMForm>(learner);
    if (!page)
        return false;
    // With the keys: Alt arms the bar, Right moves to the menu, Down opens it, Down to the dish, Enter.
    for (int tag : {16, 23, 33, 45, 53, 65}) {
        learner.PressKey(Qt::Key_Alt);
        for (int right = 0; right < tag / 10 - 1; ++right)
            learner.PressKey(Qt::Key_Right);
        learner.PressKey(Qt::Key_Down);
        for (int down = 1; down < tag % 10; ++down)
            learner.PressKey(Qt::Key_Down);
        learner.PressKey(Qt::Key_Return);
    }
    Next(learner, page->MenuWindow()->btnTovabb());
    return true;
}

bool Table(TLearner& learner)
{
    QPointer<TMenuAsztalkaMForm> page = On<TMenuAsztalkaMForm>(learner);
    if (!page)
        return false;
    if (page->Request() == 0)
        page->Timer()->Fire();
    const int wanted[] = {23, 33, 23, 13, 31, 33, 23, 13, 12, 31};
    for (int request = page->Request(); page && request <= 10; request = page->Request())
        ChooseByMouse(learner, *page->AsztalkaWindow(), TagPath(wanted[request - 1]));
    if (page)
        Next(learner, page->AsztalkaWindow()->btnTovabb());
    return true;
}

bool Exercises(TLearner& learner)
{
    QPointer<TMenuTornaMForm> page = On<TMenuTornaMForm>(learner);
    if (!page)
        return false;
    if (page->Step() == 1) {
        learner.PressKey(Qt::Key_T, Qt::AltModifier);
        learner.PressKey(Qt::Key_Escape);
        learner.PressKey(Qt::Key_Escape);
    }
    struct TKey {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const TKey keys[] = {{Qt::Key_F1, Qt::NoModifier},  {Qt::Key_H, Qt::ControlModifier},
                         {Qt::Key_B, Qt::ControlModifier}, {Qt::Key_F2, Qt::NoModifier},
                         {Qt::Key_F4, Qt::NoModifier},  {Qt::Key_E, Qt::ControlModifier},
                         {Qt::Key_F4, Qt::NoModifier},  {Qt::Key_J, Qt::ControlModifier},
                         {Qt::Key_Escape, Qt::NoModifier}, {Qt::Key_F5, Qt::NoModifier}};
    while (page && page->Step() >= 2 && page->Step() <= 11) {
        const TKey& key = keys[page->Step() - 2];
        if (key.key == Qt::Key_Escape) {
            // Arm raising has no shortcut: Alt + A, up to the last item, Enter.
            learner.PressKey(Qt::Key_A, Qt::AltModifier);
            learner.PressKey(Qt::Key_Up);
            learner.PressKey(Qt::Key_Return);
        } else {
            learner.PressKey(key.key, key.modifiers);
        }
    }
    if (page)
        Next(learner, page->TornaWindow()->btnTovabb());
    return true;
}

bool Submenus(TLearner& learner)
{
    auto* page = On<TMenuAlMenuMForm>(learner);
    if (!page)
        return false;
    ChooseByMouse(learner, *page->AlmenuWindow(), {0, 1, 2}); // Egerek › Nyilacska
    ChooseByMouse(learner, *page->AlmenuWindow(), {0, 3, 1}); // Kutyák › Lemezke
    ChooseByMouse(learner, *page->AlmenuWindow(), {0, 5, 3}); // Macskák › Tárolka
    Next(learner, page->AlmenuWindow()->btnTovabb());
    return true;
}

bool Wishes(TLearner& learner)
{
    auto* page = On<TMenuAlmenu2MForm>(learner);
    if (!page)
        return false;
    const std::vector<int> granted[] = {
        {1, 0, 0}, {2, 0, 0}, {0, 1, 2}, {1, 1, 1}, {0, 1, 2}, {2, 1, 0},
        {0, 0, 0}, {1, 1, 0}, {2, 1, 1}, {2, 0, 1}, {0, 1, 1},
    };
    TMenuAlmenu2Form* window = page->WishWindow();
    while (window->WishStep() < 11)
        ChooseByMouse(learner, *window, granted[window->WishStep()]);
    Next(learner, window->btnTovabb());
    return true;
}

bool PopUps(TLearner& learner)
{
    auto* page = On<TMenuPopUpMForm>(learner);
    if (!page)
        return false;
    for (int command = 0; command < 3; ++command)
        ChooseFromPopup(learner, page->Picture(command), {command});
    Next(learner, page->InfoWindow()->Button1());
    return true;
}

bool PopUps2(TLearner& learner)
{
    auto* page = On<TMenuPopUp2MForm>(learner);
    if (!page)
        return false;
    ChooseFromPopup(learner, page->img(), {0});   // Rejtőzés
    ChooseFromPopup(learner, page->btn(), {0});   // Széles gomb
    ChooseFromPopup(learner, page->img(), {2});   // Figyelés
    learner.Click(page->listEdit());
    learner.TypeText(QStringLiteral("körte"));
    ChooseFromPopup(learner, page->listEdit(), {0}); // Új elem felvétele
    ChooseFromPopup(learner, page->btn(), {2, 2});   // Színes felirat › kék
    QListWidget* list = page->list();
    for (const char* fruit : {"alma", "citrom"}) {
        QListWidgetItem* item = list->findItems(QString::fromUtf8(fruit), Qt::MatchExactly).value(0);
        if (item)
            learner.Click(list->viewport(), list->visualItemRect(item).center());
    }
    ChooseFromPopup(learner, list->viewport(), {2, 0}); // Törlés › A kijelölt elemek törlése
    ChooseFromPopup(learner, page->img(), {0});          // Rejtőzés
    Next(learner, page->InfoWindow()->Button1());
    return true;
}

bool Sentences(TLearner& learner)
{
    QPointer<TMenuMondatMForm> page = On<TMenuMondatMForm>(learner);
    if (!page)
        return false;
    if (page->imgEndGame()->isVisible()) {
        learner.Click(page->imgEndGame());
        return true;
    }
    TMenuMondatForm* window = page->MondatWindow();
    if (!page->Started())
        Next(learner, window->btnTovabb());
    while (page && window->SentenceIndex() >= 1 && window->SentenceIndex() <= 6)
        ChooseByMouse(learner, *window, SentencePath(window->TargetSentence()));
    if (page)
        Next(learner, window->btnTovabb());
    return true;
}

} // namespace

void ClickTitle(TLearner& learner, TBaseCustForm& window, int index)
{
    TMenuBar* bar = window.MenuBar();
    learner.Click(bar, bar->TitleRect(index).center());
}

bool ClickRow(TLearner& learner, int depth, int index)
{
    TPopupMenu* top = TPopupMenu::Current();
    TPopupMenu* column = top ? top->Column(depth) : nullptr;
    if (!column)
        return false;
    learner.Click(column, column->RowRect(index).center());
    return true;
}

void ChooseByMouse(TLearner& learner, TBaseCustForm& window, const std::vector<int>& path)
{
    ClickTitle(learner, window, path.front());
    for (std::size_t depth = 1; depth < path.size(); ++depth)
        if (!ClickRow(learner, static_cast<int>(depth - 1), path[depth]))
            return;
}

void ChooseFromPopup(TLearner& learner, QWidget* control, const std::vector<int>& path)
{
    learner.Click(control, control->rect().center(), Qt::RightButton);
    for (std::size_t depth = 0; depth < path.size(); ++depth)
        if (!ClickRow(learner, static_cast<int>(depth), path[depth]))
            return;
}

std::vector<int> SentencePath(const QString& sentence)
{
    std::vector<int> path{0};
    const QStringList words = sentence.split(QLatin1Char(' '));
    for (int level = 0; level < SentenceGame::Levels && level < words.size(); ++level)
        path.push_back(static_cast<int>(SentenceGame::Words(level).indexOf(words[level])));
    return path;
}

bool Helpful(TLearner& learner)
{
    for (auto move : {MenuBar, Favourites, Table, Exercises, Submenus, Wishes, PopUps, PopUps2, Sentences})
        if (move(learner))
            return true;
    return false;
}

} // namespace MenusMoves
