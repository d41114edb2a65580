#include "GombAcceleratedForm.h"

#include "framework/ClipPlayer.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "platform/VirtualKey.h"

#include <QLabel>

namespace {
const QString Instruction = QStringLiteral(
    "A gombokon néha a felirat első karakterét (betűt-számot-írásjelet) aláhúzzák.<BR>Ilyenkor nem kell sem "
    "kattintani, sem kijelölni a gombot, elég az aláhúzott betűt lenyomni a billentyűzeten.<BR>Próbáld ki a kis "
    "e-vel és a nagy E-vel is!");
const QString Caption = QStringLiteral("&Első karakter");
} // namespace

TGombAcceleratedForm::TGombAcceleratedForm() : TGombBaseForm(QStringLiteral("GombAcceleratedForm"))
{
    LoadBackground(QStringLiteral("gombok\\GombGombForm.jpg"));
    selBtn_ = new TPushButton(this, QRect(360, 520, 193, 73), Caption);
    selBtn_->setFont(PointFont(QStringLiteral("Arial"), 14, true));
    selBtn_->SetTabStop(false);
    selBtn_->OnClick = [this] { selBtnClick(); };
    selBtn_->OnMouseDown = [this](Qt::MouseButton, QPoint) { mouseHeld_ = true; };
    selBtn_->OnMouseUp = [this](Qt::MouseButton, QPoint) { mouseHeld_ = false; };
    okaAnim_ = new TClipPlayer(this);
    okaAnim_->setGeometry(600, 450, 190, 220);
    okaAnim_->Open(AviPath(QStringLiteral("gombok\\fokuszalas.avi")));
    okaAnim_->hide();
    okaAnim_->setEnabled(false);
    lblToDo_ = Controls::Label(this, QRect(336, 616, 249, 24), QString(), PointFont(QStringLiteral("Arial"), 14),
                               Blue, Qt::AlignCenter);
}

void TGombAcceleratedForm::ShowPage()
{
    smallDone_ = capitalDone_ = capital_ = mouseHeld_ = letterHeld_ = false;
    selBtn_->SetCaption(Caption);
    lblToDo_->hide();
    TGombBaseForm::ShowPage();
    ShowToMenu();
    WriteOnBackground(Instruction, 80, 100, 240, 5);
}

void TGombAcceleratedForm::FormKeyDown(int& key, Qt::KeyboardModifiers shift)
{
    if (key == VirtualKey::Space) {
        key = 0;
        return;
    }
    if (key == 'E') {
        letterHeld_ = true;
        // Until the key's character says otherwise (Alt may leave none).
        capital_ = shift & Qt::ShiftModifier;
    }
}

void TGombAcceleratedForm::FormKeyPress(QChar& key)
{
    if (letterHeld_ && (key == QLatin1Char('e') || key == QLatin1Char('E')))
        capital_ = key == QLatin1Char('E');
}

void TGombAcceleratedForm::FormKeyUp(int& key, Qt::KeyboardModifiers)
{
    if (key == VirtualKey::Space)
        key = 0;
    else if (key == 'E')
        letterHeld_ = false;
}

void TGombAcceleratedForm::selBtnClick()
{
    if (smallDone_ && capitalDone_) {
        if (mouseHeld_)
            Notify();
        return;
    }
    if (!letterHeld_ || mouseHeld_)
        return;
    if (!capital_ && !smallDone_)
        LetterDone(smallDone_, capitalDone_, QStringLiteral("Most próbáld ki nagy E-vel is!"));
    else if (capital_ && !capitalDone_)
        LetterDone(capitalDone_, smallDone_, QStringLiteral("Most próbáld ki kis e-vel is!"));
}

void TGombAcceleratedForm::LetterDone(bool& done, bool otherDone, const QString& otherHint)
{
    done = true;
    okaAnim_->show();
    okaAnim_->PlayAll(2);
    PlaySoundFile(QStringLiteral("3_gkatt2.wav"));
    if (otherDone) {
        selBtn_->SetCaption(QStringLiteral("Tovább"));
        lblToDo_->setText(QStringLiteral("Kattints a gombra!"));
    } else {
        lblToDo_->setText(otherHint);
    }
    lblToDo_->show();
}
