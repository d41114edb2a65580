#include "MenuAlMenuMForm.h"

#include "MenuAlmenuForm.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/Menu.h"
#include "framework/PushButton.h"

#include <QLabel>

QString TMenuAlMenuMForm::Info()
{
    return QStringLiteral(
        "Egyes parancsok végén kicsi nyilat látsz. Ha egy ilyen parancson megpihenteted az egérmutatót, vagy "
        "rákattintasz, kinyílik az almenüje. A billentyűzeten a jobbra és a balra nyíllal nyithatod ki és zárhatod "
        "be az almenüket. Egy almenünek is lehet almenüje. Keresd meg az almenükben Lemezkét, Nyilacskát és "
        "Tárolkát, és kattints a nevükre!");
}

TMenuAlMenuMForm::TMenuAlMenuMForm() : TMenuBaseMForm(QStringLiteral("MenuAlMenuMForm"))
{
    window_ = new TMenuAlmenuForm(this);
    window_->img()->SetPng(LoadPng(QStringLiteral("menu\\menu_j_f.png")));
    window_->txtInfo()->setText(Info());
    window_->Menu()->OnChoose = [this](TMenuItem& item) {
        if (item.Tag != 2 && item.Tag != 4 && item.Tag != 8)
            return;
        found_ |= item.Tag;
        window_->img()->SetPng(LoadPng(QStringLiteral("menu\\almenu_%1.png").arg(item.Tag)));
        if (found_ == 14)
            window_->btnTovabb()->setVisible(true);
    };
    Open(window_, QPoint(170, 180));
}
