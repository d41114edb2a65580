#include "MenuMenuMForm.h"

#include "MenuMenuForm.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/Menu.h"
#include "framework/PushButton.h"

#include <QLabel>

TMenuMenuMForm::TMenuMenuMForm() : TMenuBaseMForm(QStringLiteral("MenuMenuMForm")) {}

QString TMenuMenuMForm::Info()
{
    return QStringLiteral("A Címsáv alatt láthatod a menüsort. Ha egy menü nevére kattintasz, lenyílik a táblája. "
                          "A táblákban menüpontokat, vagyis parancsokat találsz. Válaszd ki minden menüből a kedvenc "
                          "ételedet!");
}

void TMenuMenuMForm::ShowPage()
{
    TMenuBaseMForm::ShowPage();
    chosen_ = 0;
    if (window_)
        return;
    window_ = new TMenuMenuForm(this);
    window_->img()->SetPng(LoadPng(QStringLiteral("menu\\menu_j_f.png")));
    window_->txtInfo()->setText(Info());
    window_->Menu()->OnChoose = [this](TMenuItem& item) {
        const int menu = item.Tag / 10;
        if (menu < 1 || menu > 6)
            return;
        chosen_ |= 1 << (menu - 1);
        if (chosen_ == 63)
            window_->btnTovabb()->setVisible(true);
    };
    Open(window_, QPoint(170, 200));
}
