#include "PnlPanelForm.h"

#include "MessagePanel.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "platform/PageTimer.h"

QString TPnlPanelForm::PanelText()
{
    return QStringLiteral("Az operációs rendszer panelekre írja ki üzeneteit. A panel hasonlít a táblára, "
                          "amire az osztályban írunk: általában téglalap alakú és szürke. A paneleket "
                          "üzenetük tartalma szerint csoportokba soroljuk.");
}

TPnlPanelForm::TPnlPanelForm() : TPnlBaseForm(QStringLiteral("PnlPanelForm"), QStringLiteral("PnlPanelForm"))
{
    pnlOK_ = new TMessagePanel(this, QRect(216, 584, 489, 169), QString());
    pnlOK_->AddText(QRect(16, 28, 457, 100), PanelText());
    btnOk_ = pnlOK_->AddOk(QPoint(200, 134));
    btnOk_->OnClick = [this] { Notify(); };
    pnlOK_->OnClose = [this] { Notify(); };
    imgLemezke_ = new TImage(this, QRect(8, 448, 119, 119));
    imgLemezke_->SetPng(LoadPng(QStringLiteral("Panel\\PnlPanelForm_lemezke.png")));
    imgTarolka_ = new TImage(this, QRect(8, 448, 119, 119));
    imgTarolka_->SetPng(LoadPng(QStringLiteral("Panel\\PnlPanelForm_tarolka.png")));
    timer1_ = new TPageTimer(this);
    timer1_->SetInterval(Tick);
    timer1_->OnTimer([this] { Timer1Timer(); });
}

void TPnlPanelForm::ShowPage()
{
    TPnlBaseForm::ShowPage();
    lemezkeSpeed_ = 4;
    tarolkaSpeed_ = 2;
    timer1_->SetEnabled(true);
}

void TPnlPanelForm::Timer1Timer()
{
    elapsed_ += Tick;
    if (elapsed_ % 1500 < Tick) {
        const bool lemezkeSlow = lemezkeSpeed_ == 3;
        lemezkeSpeed_ = lemezkeSlow ? 5 : 3;
        tarolkaSpeed_ = lemezkeSlow ? 3 : 5;
    }
    if (imgLemezke_->x() > 1024 && imgTarolka_->x() > 1024)
        timer1_->SetEnabled(false);
    imgLemezke_->move(imgLemezke_->x() + lemezkeSpeed_, imgLemezke_->y());
    imgTarolka_->move(imgTarolka_->x() + tarolkaSpeed_, imgTarolka_->y());
}
