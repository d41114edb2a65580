#include "WndMunkaterForm.h"

#include "framework/ClipPlayer.h"
#include "framework/KezelWndForm.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"

#include <QLabel>

QString TWndMunkaterForm::Text()
{
    return QStringLiteral("Az ablakok legnagyobb része a munkaterület, ahol dolgozol. A munkaterület "
                          "többnyire fehér. Hogy mit látsz rajta, az a feladattól függ: lehetnek rajta "
                          "képek, gombok, listadobozok, csúszkák. Az ablakokban játszhatsz, rajzolhatsz, "
                          "írhatsz és számolhatsz is.");
}

TWndMunkaterForm::TWndMunkaterForm() : TWndBaseForm(QStringLiteral("WndMunkaterForm"))
{
    window_ = new TKezelWndForm(this);
    window_->SetBounds(QRect(200, 210, TKezelWndForm::NormalWidth, TKezelWndForm::NormalHeight));
    window_->AllowSize = window_->AllowMaximize = window_->AllowMinimize = window_->AllowMove = false;
    window_->AllowClose = false;
    TClipPlayer* anim = window_->anim();
    anim->move(anim->x(), 0);
    anim->Open(AviPath(QStringLiteral("ablakok\\Nora_integet.avi")));
    anim->setVisible(true);
    anim->PlayAll(0);

    TPushButton* next = window_->btnNext();
    next->move(next->x(), window_->Height() - next->height() - 50);
    next->setVisible(true);
    next->OnClick = [this] { Notify(); };

    QLabel* text = window_->txtTask();
    window_->SetAutoLayout(false);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int top = anim->height() + 5;
    text->setGeometry(10, top, window_->Width() - 40, next->y() - top - 4);
    text->setText(Text());
    window_->Show();
}
