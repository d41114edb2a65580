#include "ListComboForm.h"

#include "framework/ClipPlayer.h"
#include "framework/EditCombo.h"
#include "framework/Fonts.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "platform/HungarianText.h"
#include "platform/VirtualKey.h"

#include <QLineEdit>

QString TListComboForm::Instruction()
{
    return QStringLiteral("Ezek a listadobozok helytakarékosak és szerkeszthetők is. A nevük kombinált "
                          "(kevert, összetett) lista.\nÚj elemet így vehetsz fel: kattints a "
                          "szerkesztőmezőbe, gépeld be az új elemet, és nyomd meg az ENTER billentyűt! Elemet "
                          "úgy törölhetsz, hogy kiválasztod a listából, és megnyomod a DELETE "
                          "billentyűt.\nÍrd be kedvenc neveidet! Mindegyik lista legalább öt névből álljon! "
                          "Törölhetsz is!");
}

QString TListComboForm::Prompt()
{
    return QStringLiteral("Ide gépelhetsz");
}

TListComboForm::TListComboForm() : TListBaseForm(QStringLiteral("ListComboForm"), QStringLiteral("ListComboForm"))
{
    SetInstruction(Instruction(), 21, QRect(40, 40, 944, 172));
    const QString prompt = Prompt();
    cbLany_ = new TEditCombo(this, QRect(72, 264, 185, 30),
                             {QStringLiteral("Nóra"), QStringLiteral("Veronika"), QStringLiteral("Vanda")}, prompt);
    cbFiu_ = new TEditCombo(this, QRect(632, 264, 185, 30),
                            {QStringLiteral("Tivadar"), QStringLiteral("Jeremiás"), QStringLiteral("Jenő")}, prompt);
    for (TEditCombo* box : {cbLany_, cbFiu_}) {
        box->setFont(PixelFont(QStringLiteral("Arial"), 18));
        box->OnTextChange = [this] { Check(); };
        // Enter and Backspace are taken as keys: the character handlers see printable ones only.
        OnControlKeyDown(box->lineEdit(), [this, box](int& key, Qt::KeyboardModifiers) { Handle(*box, key); });
        OnControlKeyDown(box, [this, box](int& key, Qt::KeyboardModifiers) { Handle(*box, key); });
    }
    anim_ = new TClipPlayer(this);
    anim_->setGeometry(320, 250, 240, 320);
}

void TListComboForm::ShowPage()
{
    TListBaseForm::ShowPage();
    anim_->Open(AviPath(QStringLiteral("Lista\\ListComboForm.avi")));
    anim_->PlayAll(0);
}

bool TListComboForm::ValidNewName(const QString& text, const QStringList& items)
{
    if (text.size() <= 2 || (text.at(0) >= '0' && text.at(0) <= '9'))
        return false;
    const QString folded = HungarianText::Upper(text);
    for (const QString& item : items)
        if (HungarianText::Upper(item) == folded)
            return false;
    return true;
}

void TListComboForm::Handle(TEditCombo& box, int& key)
{
    if (key == VirtualKey::Return) {
        key = 0;
        const QString text = box.Text();
        if (!ValidNewName(text, box.Items()))
            return;
        if (box.ItemIndex() < 0)
            box.addItem(text);
        else
            box.ReplaceItem(box.ItemIndex(), text);
        box.ClearText();
    } else if ((key == VirtualKey::Delete || key == VirtualKey::Back) && box.ItemIndex() >= 0) {
        key = 0;
        box.removeItem(box.ItemIndex());
        box.ClearText();
    } else {
        return;
    }
    Check();
}

void TListComboForm::Check()
{
    btnNext()->setEnabled(cbLany_->count() >= Enough && cbFiu_->count() >= Enough);
}
