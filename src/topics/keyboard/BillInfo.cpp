#include "BillInfo.h"

#include "framework/ClipPlayer.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/TextImgWriter.h"
#include "platform/VirtualKey.h"
#include "shell/IModule.h"

namespace {

const QString CleanHandsText = QStringLiteral(
    "<BR>F O N T O S!<BR><BR>Mindig tiszta kézzel ülj a gép elé!<BR>A gépterembe sem ételt, sem italt nem szabad "
    "bevinni, mert a morzsák beeshetnek, a kiömlő ital pedig befolyhat a billentyűk közé, és ez balesetveszélyes, "
    "emellett pedig tönkremehet a billentyűzet is. <BR>Tovább: ENTER");

const QString DoNotHitText = QStringLiteral(
    "A gép soha nem számol rosszul, de mindig azt a feladatot hajtja végre, amire utasítják.<BR>Ha rossz "
    "utasítást kap, a futó program hibásan működhet, sőt le is állhat. Ezen a gép nem tud segíteni, hiszen csak azt "
    "teszi, amit mondanak neki. Sokan ilyenkor mérgesek lesznek, és megütik a gépet. Ezzel azonban kárt tehetnek "
    "benne, és saját magukat is megsérthetik.<BR>Ha rossz utasítást adtál, ne a gépet hibáztasd!<BR><BR>Tovább: T");

} // namespace

TBillInfo::TBillInfo() : TBaseBillForm(QStringLiteral("BillInfo"))
{
    LoadBackground(GetPageName() + QStringLiteral(".jpg"));

    info_ = new TImage(this, QRect(24, 96, 801, 345));
    info_->SetTransparent(true);
    imgKoszos_ = new TImage(this, QRect(24, 472, 190, 190));
    imgKaja_ = new TImage(this, QRect(328, 480, 190, 190));
    imgPia_ = new TImage(this, QRect(632, 480, 190, 190));
    imgKoszosTilt_ = new TImage(this, imgKoszos_->geometry());
    imgKajaTilt_ = new TImage(this, imgKaja_->geometry());
    imgPiaTilt_ = new TImage(this, imgPia_->geometry());
    animUtes_ = new TClipPlayer(this);
    animUtes_->setGeometry(350, 525, 190, 190);
    animUtes_->hide();

    timer1_.SetInterval(1500);
    timer1_.OnTimer([this] { Timer1Timer(); });
    timer1_.SetEnabled(true);
}

void TBillInfo::ShowPage()
{
    TBaseBillForm::ShowPage();
    TTextImgWriter& writer = *Writer();
    writer.SetImage(info_);
    writer.SetLineSpacing(7);

    advice_ = CleanHands;
    animUtes_->hide();

    const QString name = GetPageName();
    imgKoszos_->SetPng(LoadPng(name + QStringLiteral("_kezes.png")));
    imgKaja_->SetPng(LoadPng(name + QStringLiteral("_kajas.png")));
    imgPia_->SetPng(LoadPng(name + QStringLiteral("_pias.png")));
    const QImage sign = LoadPng(name + QStringLiteral("_tilt.png"));
    for (TImage* overlay : Overlays())
        overlay->SetPng(sign);
    ShowOverlays(false);
    blink_ = false;

    WriteAdvice();
}

void TBillInfo::WriteAdvice()
{
    PrepareTextLayer(*info_);
    TTextImgWriter& writer = *Writer();
    writer.SetImage(info_);
    writer.SetMargins(30, 30, 15, 30);
    writer.SetText(advice_ == CleanHands ? CleanHandsText : DoNotHitText);
    writer.WriteText();
}

void TBillInfo::ShowOverlays(bool shown)
{
    for (TImage* overlay : Overlays())
        overlay->setVisible(shown);
}

void TBillInfo::Timer1Timer()
{
    blink_ = !blink_;
    ShowOverlays(blink_);
}

void TBillInfo::FormKeyDown(int& key, Qt::KeyboardModifiers)
{
    if (key != VirtualKey::Return || advice_ != CleanHands)
        return;
    advice_ = DoNotHit;
    timer1_.SetEnabled(false);
    ShowOverlays(false);
    for (TImage* picture : {imgKoszos_, imgKaja_, imgPia_})
        picture->hide();
    WriteAdvice();
    animUtes_->Open(AviPath(QStringLiteral("tilos_utes.avi")));
    animUtes_->show();
    animUtes_->PlayAll(0);
}

void TBillInfo::FormKeyPress(QChar& key)
{
    if (advice_ != DoNotHit || (key != QLatin1Char('T') && key != QLatin1Char('t')))
        return;
    animUtes_->Stop();
    animUtes_->hide();
    NotifyModule();
}
