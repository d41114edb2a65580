#include "MenuAlmenu2MForm.h"

#include "MenuAlmenu2Form.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"

TMenuAlmenu2MForm::TMenuAlmenu2MForm() : TMenuBaseMForm(QStringLiteral("MenuAlmenu2MForm"))
{
    window_ = new TMenuAlmenu2Form(this);
    window_->img()->SetPng(LoadPng(QStringLiteral("menu\\menu_j_fot.png")));
    window_->img2()->hide();
}

void TMenuAlmenu2MForm::ShowPage()
{
    TMenuBaseMForm::ShowPage();
    Open(window_, QPoint(200, 170));
}
