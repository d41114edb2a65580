#include "PnlMiniVizsgaIntroForm.h"

#include "MessagePanel.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"

QString TPnlMiniVizsgaIntroForm::PanelTitle()
{
    return QStringLiteral("Információs panel");
}

QString TPnlMiniVizsgaIntroForm::PanelText()
{
    return QStringLiteral("Az OK-ra kattintás után egy hatlapos panelt látsz, amelyen az eddig tanult "
                          "témakörökből olvashatsz kérdéseket. Sorban nézd meg az összes lapot, és "
                          "válaszolj a kérdésekre!");
}

TPnlMiniVizsgaIntroForm::TPnlMiniVizsgaIntroForm()
    : TPnlBaseForm(QStringLiteral("PnlMiniVizsgaIntroForm"), QStringLiteral("PnlMiniVizsgaIntroForm"))
{
    pnlOK_ = new TMessagePanel(this, QRect(216, 570, 489, 169), PanelTitle());
    imgInfo_ = new TImage(pnlOK_, QRect(24, 41, 32, 32));
    imgInfo_->SetPng(LoadPng(QStringLiteral("panel\\info_dialog.png")));
    pnlOK_->AddText(QRect(72, 30, 401, 100), PanelText());
    btnOk_ = pnlOK_->AddOk(QPoint(200, 134));
    btnOk_->OnClick = [this] { Notify(); };
    pnlOK_->OnClose = [this] { Notify(); };
}
