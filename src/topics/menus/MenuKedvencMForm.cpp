#include "MenuKedvencMForm.h"

#include "MenuMenuForm.h"
#include "framework/Controls.h"
#include "framework/DragListBox.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/Menu.h"
#include "framework/PushButton.h"

#include <QLabel>

namespace {
// Tivadar's favourite of each menu.
constexpr int Favourites[] = {16, 23, 33, 45, 53, 65};
} // namespace

QString TMenuKedvencMForm::Info()
{
    return QStringLiteral("A menükben vándorolhatsz nyílbillentyűkkel is. Enterrel is kiválaszthatsz egy parancsot. "
                          "A menüket eltüntetheted félrekattintással vagy az ESC billentyűvel is. Most válaszd ki "
                          "Tivadar kedvenc ételeit!");
}

QString TMenuKedvencMForm::FavouritesCaption()
{
    return QStringLiteral("Tivadar kedvencei");
}

QString TMenuKedvencMForm::ChosenCaption()
{
    return QStringLiteral("Kiválasztott ételek");
}

QStringList TMenuKedvencMForm::FavouriteDishes()
{
    QStringList dishes;
    for (const int tag : Favourites)
        dishes << TMenuMenuForm::Dish(tag);
    return dishes;
}

TMenuKedvencMForm::TMenuKedvencMForm() : TMenuBaseMForm(QStringLiteral("MenuKedvencMForm"))
{
    const QFont font = PixelFont(QStringLiteral("Arial"), 16);
    favouritesLabel_ = Controls::Label(this, QRect(24, 272, 160, 20), FavouritesCaption(), font, Qt::blue);
    favourites_ = new TDragListBox(this, QRect(32, 296, 137, 185), FavouriteDishes());
    selectedLabel_ = Controls::Label(this, QRect(824, 272, 180, 20), ChosenCaption(), font, Qt::blue);
    selList_ = new TDragListBox(this, QRect(824, 296, 137, 185));
    for (TDragListBox* list : {favourites_, selList_}) {
        list->setFont(font);
        list->setFocusPolicy(Qt::NoFocus); // the keys belong to the window's menus
    }

    window_ = new TMenuMenuForm(this);
    window_->img()->SetPng(LoadPng(QStringLiteral("menu\\menu_j_a.png")));
    window_->Menu()->OnChoose = [this](TMenuItem& item) { Choose(item.Tag, item.Text()); };
    Open(window_, QPoint(220, 200));
}

void TMenuKedvencMForm::ShowPage()
{
    TMenuBaseMForm::ShowPage();
    found_ = 0;
    window_->txtInfo()->setText(Info());
}

void TMenuKedvencMForm::Choose(int tag, const QString& caption)
{
    if (std::find(std::begin(Favourites), std::end(Favourites), tag) == std::end(Favourites))
        return;
    const int bit = 1 << (tag / 10 - 1);
    if (found_ & bit)
        return;
    found_ |= bit;
    selList_->Add(caption);
    if (found_ != 63)
        return;
    window_->txtInfo()->clear();
    window_->img()->SetPng(LoadPng(QStringLiteral("menu\\menu_v_tval.png")));
    window_->btnTovabb()->setVisible(true);
}
