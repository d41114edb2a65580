#include "GombFokuszosForm.h"

#include "framework/ClipPlayer.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "platform/VirtualKey.h"

#include <QLabel>

namespace {
const QString Instruction = QStringLiteral(
    "Ezen a gombon látsz egy szaggatott vonalat, amit úgy nevezünk, hogy keretvonal. Ilyenkor a gomb kijelölt "
    "állapotban van.<BR>Ha látod a keretet, akkor nemcsak az egérrel, hanem az ENTER-t vagy a Szóközt lenyomva is "
    "utasíthatod a gépet.<BR>Szóköz - Space (szpész) = a leghosszabb billentyű.<BR>Próbáld ki mindkét "
    "billentyűt!");
} // namespace

TGombFokuszosForm::TGombFokuszosForm() : TGombBaseForm(QStringLiteral("GombFokuszosForm"))
{
    LoadBackground(QStringLiteral("gombok\\GombGombForm.jpg"));
    selBtn_ = new TPushButton(this, QRect(360, 520, 193, 73), QStringLiteral("Kijelölt Gomb"));
    selBtn_->setFont(PointFont(QStringLiteral("Arial"), 14, true));
    selBtn_->OnMouseUp = [this](Qt::MouseButton, QPoint at) { selBtnMouseUp(at); };
    okaAnim_ = new TClipPlayer(this);
    okaAnim_->setGeometry(600, 450, 190, 220);
    okaAnim_->Open(AviPath(QStringLiteral("gombok\\fokuszalas.avi")));
    okaAnim_->hide();
    okaAnim_->setEnabled(false);
    lblToDo_ = Controls::Label(this, QRect(224, 672, 473, 24), QString(), PointFont(QStringLiteral("Arial"), 14),
                               Blue, Qt::AlignCenter);
}

void TGombFokuszosForm::ShowPage()
{
    spaceTried_ = false;
    enterTried_ = false;
    lblToDo_->hide();
    TGombBaseForm::ShowPage();
    ShowToMenu();
    WriteOnBackground(Instruction, 80, 180, 220, 5);
}

void TGombFokuszosForm::FormKeyPress(QChar& key)
{
    if (key != QLatin1Char(' ') || spaceTried_ || focusWidget() != selBtn_)
        return;
    spaceTried_ = true;
    Tried(QStringLiteral("Rendben, most az ENTER billentyűvel is próbáld ki!"));
}

void TGombFokuszosForm::FormKeyUp(int& key, Qt::KeyboardModifiers)
{
    if (key != VirtualKey::Return || focusWidget() != selBtn_)
        return;
    enterTried_ = true;
    Tried(QStringLiteral("Rendben, most a Szóköz billentyűvel is próbáld ki!"));
}

void TGombFokuszosForm::Tried(const QString& otherKeyHint)
{
    okaAnim_->setEnabled(true);
    okaAnim_->show();
    okaAnim_->PlayAll(2);
    PlaySoundFile(QStringLiteral("3_gkatt2.wav"));
    lblToDo_->setText(spaceTried_ && enterTried_ ? QStringLiteral("Kattints a gombra!") : otherKeyHint);
    lblToDo_->show();
}

void TGombFokuszosForm::selBtnMouseUp(QPoint at)
{
    if (!selBtn_->rect().contains(at) || !spaceTried_ || !enterTried_)
        return;
    PlaySoundFile(QStringLiteral("3_gkatt1.wav"));
    Notify();
}
