#include "PnlKonyvJelzForm.h"

#include "MessagePanel.h"
#include "framework/PushButton.h"

QString TPnlKonyvJelzForm::PanelText()
{
    return QStringLiteral("Egy panelen nem mindig fér el minden, amit szeretnénk, ezért vannak többlapos "
                          "panelek. Ezeken a fülekkel lapozhatsz. Csak kattintanod kell.\n"
                          "Kattints az OK-ra, majd lapozd végig a panelt!");
}

TPnlKonyvJelzForm::TPnlKonyvJelzForm()
    : TPnlBaseForm(QStringLiteral("PnlKonyvJelzForm"), QStringLiteral("PnlKonyvJelzForm"))
{
    pnlOK_ = new TMessagePanel(this, QRect(176, 560, 577, 161), QString());
    pnlOK_->AddText(QRect(16, 28, 545, 92), PanelText());
    btnOk_ = pnlOK_->AddOk(QPoint(244, 126));
    btnOk_->OnClick = [this] { Notify(); };
    pnlOK_->OnClose = [this] { Notify(); };
}
