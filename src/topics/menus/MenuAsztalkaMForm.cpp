#include "MenuAsztalkaMForm.h"

#include "MenuAsztalkaForm.h"
#include "TableRequests.h"
#include "framework/BalloonHint.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/Menu.h"
#include "framework/PushButton.h"
#include "platform/PageTimer.h"

#include <QLabel>

namespace {
const QRect Guide(46, 382, 194, 306);
} // namespace

QString TMenuAsztalkaMForm::Info()
{
    return QStringLiteral("Vannak olyan menüpontok, amelyek kipipálhatók. Ha a parancsra kattintasz, akkor "
                          "megjelenik egy pipa, ha újra klikkelsz, eltűnik. Klikkeléssel tedd az asztalra, amit "
                          "Tivadar óhajt!");
}

TMenuAsztalkaMForm::TMenuAsztalkaMForm() : TMenuBaseMForm(QStringLiteral("MenuAsztalkaMForm"))
{
    imgAsztal_ = new TImage(this, QRect(568, 440, 318, 252));
    imgAsztal_->SetPng(LoadPng(QStringLiteral("menu\\menu_asztal.png")));
    imgTivadar_ = new TImage(this, Guide);
    imgTivadar_->SetPng(LoadPng(QStringLiteral("menu\\menu_j_h.png")));
    const int lefts[] = {552, 656, 768};
    for (std::size_t i = 0; i < plates_.size(); ++i) {
        plates_[i] = new TImage(this, QRect(lefts[i], 352, 134, 134));
        plates_[i]->SetCenter(true);
        plates_[i]->hide();
    }

    window_ = new TMenuAsztalkaForm(this);
    window_->txtInfo()->setText(Info());
    window_->Menu()->OnChoose = [this](TMenuItem& item) { Choose(item); };
    Open(window_, QPoint(170, 190));

    // The first request a second after the page is made.
    timer_ = new TPageTimer(this);
    timer_->SetInterval(1000);
    timer_->OnTimer([this] {
        timer_->SetEnabled(false);
        ShowRequest();
    });
    timer_->SetEnabled(true);
}

void TMenuAsztalkaMForm::ShowPage()
{
    TMenuBaseMForm::ShowPage();
    request_ = 0;
    correct_ = 0;
}

void TMenuAsztalkaMForm::ShowRequest()
{
    ++request_;
    // The stem points at the right edge of Tivadar's picture, 50 px below its top.
    const QString text = QString::fromUtf8(TableRequests::At(request_ - 1).text);
    TBalloonHint::Show(this, QString(), text, QPoint(Guide.right() + 1, Guide.top() + 50), BalloonLife);
}

void TMenuAsztalkaMForm::Choose(TMenuItem& item)
{
    item.Checked = !item.Checked;
    if (request_ < 1 || request_ > TableRequests::Count)
        return;
    const TableRequests::TRequest& wanted = TableRequests::At(request_ - 1);
    if (item.Tag != wanted.tag || item.Checked != wanted.checked)
        return;
    ++correct_;
    if (item.Checked)
        PutOnTable(item.Tag);
    else
        TakeFromTable(item.Tag);
    if (request_ < TableRequests::Count) {
        ShowRequest();
        return;
    }
    ++request_;
    if (TBalloonHint* balloon = TBalloonHint::Current(this))
        balloon->Close();
    window_->btnTovabb()->setEnabled(true);
    window_->btnTovabb()->setVisible(true);
}

void TMenuAsztalkaMForm::PutOnTable(int tag)
{
    for (std::size_t i = 0; i < plates_.size(); ++i) {
        if (plateTags_[i] != 0)
            continue;
        plateTags_[i] = tag;
        plates_[i]->SetPng(LoadPng(QStringLiteral("menu\\%1.png").arg(tag)));
        plates_[i]->show();
        return;
    }
}

void TMenuAsztalkaMForm::TakeFromTable(int tag)
{
    for (std::size_t i = 0; i < plates_.size(); ++i) {
        if (plateTags_[i] != tag)
            continue;
        plateTags_[i] = 0;
        plates_[i]->Clear();
        plates_[i]->hide();
    }
}
