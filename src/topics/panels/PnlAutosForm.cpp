#include "PnlAutosForm.h"

#include "ColourBox.h"
#include "MessagePanel.h"
#include "framework/CheckBox.h"
#include "framework/ClipPlayer.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "framework/RadioGroup.h"
#include "framework/SpinEdit.h"
#include "framework/TrackBar.h"
#include "platform/MessageDialogs.h"
#include "platform/PageTimer.h"
#include "platform/Services.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

namespace {
const QString Media = QStringLiteral("panel\\PnlAutosForm_");

TDialogRequest StepDialog(int step)
{
    using B = TDialogButtons;
    using I = TDialogIcon;
    const QString info = QStringLiteral("Információs panel");
    switch (step) {
    case 1:
        return TDialogRequest::Standard(
            I::Information, info,
            QStringLiteral("A legtöbb panelen a programok valamilyen hasznos információt közölnek veled; elolvasás "
                           "után csak az OK gombra kell kattintani.\nAz ilyen panelt információs panelnek (röviden "
                           "infópanelnek) vagy üzenetpanelnek hívjuk. Az angol information szó jelentése: tájékoztatás."),
            B::Ok);
    case 2:
        return TDialogRequest::Standard(
            I::Error, QStringLiteral("Hibajelző panel"),
            QStringLiteral("Ha egy ilyen piros jelet látsz a panelen, akkor valami hiba történt, ezt jelzi az "
                           "operációs rendszer.\nEz a hibajelző panel, angolul error, ami hibát jelent. Az ilyen "
                           "panel szövegét mindig figyelmesen olvasd el!"),
            B::Ok);
    case 3:
        return TDialogRequest::Standard(
            I::Question, QStringLiteral("Megerősítést váró panel"),
            QStringLiteral("A számítógépes munka során gyakran előfordul, hogy döntenünk kell.\nA gép ilyenkor "
                           "megerősítést kér, mert egy rossz döntést nehéz visszacsinálni. Angolul confirmation, "
                           "azaz megerősítés.\n\nLemezke, tényleg Egérvár felé fordulsz?"),
            B::YesNo);
    case 4:
        return TDialogRequest::Standard(
            I::Warning, QStringLiteral("Veszélyt jelző panel"),
            QStringLiteral("A panelek valamilyen veszélyre is felhívhatják a figyelmedet.\nAngolul warning, azaz "
                           "figyelmeztetés. Ilyenkor döntened kell.\n\nLemezke, eltévedtél! Visszafordulsz?\n"
                           "IGEN: visszafordulok. NEM: továbbmegyek. MÉGSEM: megállok, és még gondolkodom."),
            B::YesNoCancel);
    default:
        return TDialogRequest::Standard(
            I::Information, info,
            QStringLiteral("A paneleket különböző beállításokhoz is felhasználják a programozók.\nA paneleken "
                           "csúszkák, rádiógombok, listadobozok is lehetnek. Az ilyen paneleket "
                           "párbeszédpaneleknek nevezzük."),
            B::Ok);
    }
}
} // namespace

TPnlAutosForm::TPnlAutosForm() : TPnlBaseForm(QStringLiteral("PnlAutosForm"), QStringLiteral("PnlAutosForm"))
{
    imgTAblak_ = new TImage(this, QRect(-297, 400, 297, 313));
    imgTAblak_->hide();
    carAnim_ = new TClipPlayer(this);
    carAnim_->setGeometry(535, 550, 320, 147);
    carAnim_->Open(AviPath(QStringLiteral("panel\\PnlAutosForm_gurul.avi")));
    timer1_ = new TPageTimer(this);
    timer1_->SetInterval(Tick);
    timer1_->OnTimer([this] { Timer1Timer(); });
    const char* signNames[] = {"vendeglos", "stop", "utjelzo", "felkialto"};
    for (std::size_t i = 0; i < signs_.size(); ++i)
        signs_[i] = LoadPng(Media + QString::fromLatin1(signNames[i]) + QStringLiteral(".png"));
    BuildSettings();
}

QString TPnlAutosForm::SettingsTitle()
{
    return QStringLiteral("Lemezke autója");
}

QString TPnlAutosForm::SettingsText()
{
    return QStringLiteral("Állítsd be a helyes válaszokat, majd kattints az Alkalmaz gombra!\nHa ezután nem lesz "
                          "aktív az OK gomb, akkor valamelyik válaszod hibás. Változtass a beállításokon, és nyomd "
                          "meg újra az Alkalmaz gombot! Ha minden válaszod helyes, az OK gombbal továbbléphetsz.");
}

void TPnlAutosForm::BuildSettings()
{
    pnlSetting_ = new TMessagePanel(this, QRect(168, 202, 593, 535), SettingsTitle());
    pnlSetting_->hide();
    QLabel* intro = pnlSetting_->AddText(QRect(24, 32, 521, 74), SettingsText());
    intro->setFont(PixelFont(QStringLiteral("Arial"), 13));
    rbgUtasok_ = new TRadioGroup(pnlSetting_, QRect(32, 128, 513, 41), QString(),
                                 {QStringLiteral("Lemezke egyedül utazott"), QStringLiteral("Lemezke barátjával utazott")},
                                 2);
    const QFont font = PixelFont(QStringLiteral("Arial"), 14);
    auto* car = new QGroupBox(pnlSetting_);
    car->setGeometry(32, 176, 513, 80);
    Controls::Label(car, QRect(24, 22, 140, 20), QStringLiteral("Az autó színe:"), font, Qt::black);
    cbColor_ = new TColourBox(car, QRect(168, 20, 145, 22));
    Controls::Label(car, QRect(24, 47, 140, 20), QStringLiteral("Rajtszám:"), font, Qt::black);
    seCarNo_ = new TSpinEdit(car, QRect(168, 45, 40, 22), 1, 20, 1);
    seCarNo_->SetText(QStringLiteral("1"));
    seCarNo_->Edit()->setReadOnly(true);
    seCarNo_->Edit()->setMaxLength(2);
    auto* checks = new QGroupBox(pnlSetting_);
    checks->setGeometry(32, 272, 513, 100);
    chkCabrio_ = new TCheckBox(checks, QRect(24, 12, 460, 24), QStringLiteral("Lemezke kocsija nyitott tetejű"));
    chkEltevedt_ = new TCheckBox(checks, QRect(24, 40, 460, 24), QStringLiteral("Lemezke nem tévedt el"));
    chkSportCar_ = new TCheckBox(checks, QRect(24, 68, 460, 24), QStringLiteral("Lemezke autója sportkocsi"));
    for (int mark = 0; mark <= 50; mark += 10)
        Controls::Label(pnlSetting_, QRect(168 + 6 + mark * 208 / 50 - 10, 398, 20, 16), QString::number(mark),
                        PixelFont(QStringLiteral("Arial"), 11), Qt::black, Qt::AlignHCenter | Qt::AlignTop);
    tbTank_ = new TTrackBar(pnlSetting_, QRect(168, 416, 220, 33), Qt::Horizontal, 0, 50, 0, 10);
    tbTank_->setTickPosition(QSlider::TicksAbove);
    tbTank_->setTickInterval(10);
    Controls::Label(pnlSetting_, QRect(168, 452, 220, 20), QStringLiteral("Tankolj 40 liter benzint!"), font,
                    Qt::black, Qt::AlignHCenter | Qt::AlignTop);
    btnOk_ = new TPushButton(pnlSetting_, QRect(152, 488, 89, 25), QStringLiteral("Ok"));
    btnApply_ = new TPushButton(pnlSetting_, QRect(248, 488, 89, 25), QStringLiteral("Alkalmaz"));
    btnCancel_ = new TPushButton(pnlSetting_, QRect(344, 488, 89, 25), QStringLiteral("Mégsem"));
    btnOk_->setEnabled(false);
    btnOk_->OnClick = [this] { Notify(); };
    btnApply_->OnClick = [this] { btnOk_->setEnabled(Settings().Right()); };
    btnCancel_->OnClick = [this] {
        pnlSetting_->hide();
        wait_ = 0;
        timer1_->SetEnabled(true);
    };
    pnlSetting_->OnClose = [this] { Notify(); };
}

TCarSettings TPnlAutosForm::Settings() const
{
    TCarSettings settings;
    settings.tank = tbTank_->Position();
    settings.colour = cbColor_->Colour();
    settings.raceNumber = seCarNo_->Value();
    settings.travellers = rbgUtasok_->ItemIndex();
    settings.openTop = chkCabrio_->isChecked();
    settings.notLost = chkEltevedt_->isChecked();
    settings.sportsCar = chkSportCar_->isChecked();
    return settings;
}

void TPnlAutosForm::ShowPage()
{
    TPnlBaseForm::ShowPage();
    step_ = 0;
    wait_ = 0;
    Advance();
}

void TPnlAutosForm::Advance()
{
    ++step_;
    if (step_ <= 4) {
        timer1_->SetEnabled(false);
        imgTAblak_->SetPng(signs_[static_cast<std::size_t>(step_ - 1)]);
        imgTAblak_->move(-imgTAblak_->width(), imgTAblak_->y());
        imgTAblak_->show();
        carAnim_->PlayAll(0);
        timer1_->SetEnabled(true);
    } else if (step_ == 5) {
        timer1_->SetEnabled(false);
        imgTAblak_->hide();
        carAnim_->Open(AviPath(QStringLiteral("panel\\PnlAutosForm_lemegy.avi")));
        carAnim_->PlayAll(1);
        if (ShowDialog(step_))
            Advance();
    } else if (step_ == 6) {
        pnlSetting_->show();
    }
}

bool TPnlAutosForm::ShowDialog(int step)
{
    QPointer<TPnlAutosForm> self(this);
    Services::Dialogs().Show(StepDialog(step));
    // Whatever the answer, the trip goes on, unless the page went meanwhile.
    return self && PageState() == TPageState::Shown;
}

void TPnlAutosForm::Timer1Timer()
{
    if (step_ == 6) {
        wait_ += Tick;
        if (wait_ >= PanelWait) {
            timer1_->SetEnabled(false);
            wait_ = 0;
            pnlSetting_->show();
        }
        return;
    }
    if (imgTAblak_->x() + imgTAblak_->width() > carAnim_->x() + 80) {
        timer1_->SetEnabled(false);
        carAnim_->Stop();
        wait_ = 0;
        if (ShowDialog(step_))
            Advance();
        return;
    }
    if (wait_ < SignWait)
        wait_ += Tick;
    else
        imgTAblak_->move(imgTAblak_->x() + 10, imgTAblak_->y());
}
