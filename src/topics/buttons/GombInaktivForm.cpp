#include "GombInaktivForm.h"

#include "framework/ClipPlayer.h"
#include "framework/Fonts.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"

namespace {
const QString Instruction = QStringLiteral(
    "Egy gomb lehet aktív és inaktív is.<BR>Ha aktív, akkor lenyomható, használható.<BR>Ha inaktív, akkor nem "
    "használhatod. Ilyenkor elszürkül, ezzel jelzi az állapotát.<BR>Vajon most melyik gombbal tudsz "
    "továbbmenni?");
} // namespace

TGombInaktivForm::TGombInaktivForm() : TGombBaseForm(QStringLiteral("GombInaktivForm"))
{
    LoadBackground(QStringLiteral("gombok\\GombGombForm.jpg"));
    const QFont font = PointFont(QStringLiteral("Arial"), 16, true);
    aktivbtn_ = new TPushButton(this, QRect(88, 560, 225, 81), QStringLiteral("Aktív gomb"));
    aktivbtn_->setFont(font);
    aktivbtn_->OnClick = [this] { Notify(); };
    button2_ = new TPushButton(this, QRect(520, 560, 225, 81), QStringLiteral("Inaktív gomb"));
    button2_->setFont(font);
    button2_->setEnabled(false);
    aktivAnim_ = new TClipPlayer(this);
    aktivAnim_->setGeometry(128, 454, 138, 79);
    inaktivAnim_ = new TClipPlayer(this);
    inaktivAnim_->setGeometry(564, 454, 138, 79);
}

void TGombInaktivForm::ShowPage()
{
    TGombBaseForm::ShowPage();
    ShowToMenu();
    WriteOnBackground(Instruction, 80, 100, 220, 5);
    aktivAnim_->Open(AviPath(QStringLiteral("gombok\\06_aktiv_inaktiv_bal.avi")));
    aktivAnim_->PlayAll(0);
    inaktivAnim_->Open(AviPath(QStringLiteral("gombok\\06_aktiv_inaktiv_jobb.avi")));
    inaktivAnim_->PlayAll(0);
}
