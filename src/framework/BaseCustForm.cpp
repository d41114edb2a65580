#include "BaseCustForm.h"

#include "Menu.h"
#include "MenuBar.h"
#include "RaisedFrame.h"

TBaseCustForm::TBaseCustForm(QWidget* host, const QString& name, const QString& caption)
    : TPracticeWindow(host, name, caption)
{
    AllowSize = AllowMaximize = AllowMinimize = AllowMove = AllowClose = true;
    MoveRule = TMoveRule::Free;
    SetColour(RaisedFrame::Face);
    SetBounds(QRect(0, 0, DefaultWidth, DefaultHeight));
}

void TBaseCustForm::SetMenu(TMenu* menu)
{
    if (menu == menu_)
        return;
    if (bar_) {
        SetMenuBar(nullptr, 0);
        delete bar_;
        bar_ = nullptr;
    }
    // A menu taken off stays the window's (and dies with it): the page may set it again.
    menu_ = menu;
    if (!menu)
        return;
    menu->setParent(this);
    bar_ = new TMenuBar(this, menu);
}
