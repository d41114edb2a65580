#include "PnlNyomtatForm.h"

#include "MessagePanel.h"
#include "framework/PushButton.h"

QString TPnlNyomtatForm::PanelText()
{
    return QStringLiteral("A gépet az operációs rendszer felügyeli. Több feladata is van:\n"
                          "  - működteti és ellenőrzi a gép részeit,\n"
                          "  - futtatja a programokat,\n"
                          "  - észreveszi és végrehajtja a felhasználó parancsait,\n"
                          "  - üzeneteket küld a felhasználónak a gép és a programok állapotáról.");
}

TPnlNyomtatForm::TPnlNyomtatForm() : TPnlBaseForm(QStringLiteral("PnlNyomtatForm"), QStringLiteral("PnlNyomtatForm"))
{
    pnlOK_ = new TMessagePanel(this, QRect(192, 200, 513, 185), QString());
    // The longest line needs nearly all the panel's width: the text starts closer to the frame.
    pnlOK_->AddText(QRect(8, 28, 501, 112), PanelText());
    btnOk_ = pnlOK_->AddOk(QPoint(212, 148));
    btnOk_->OnClick = [this] { Notify(); };
}
