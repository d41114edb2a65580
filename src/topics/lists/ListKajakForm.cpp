#include "ListKajakForm.h"

#include "framework/ClipPlayer.h"
#include "framework/DragListBox.h"
#include "framework/Fonts.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"

QString TListKajakForm::Instruction()
{
    return QStringLiteral("A listadobozok mérete néha kisebb, mint a lista. Ilyenkor a listadoboz "
                          "oldalán görgetősáv jelenik meg: a nyilaira kattintva vagy a csúszkáját húzva "
                          "láthatod a lista többi elemét. A listában a fel és le nyílbillentyűkkel is "
                          "lépkedhetsz, és az egér görgőjével is görgethetsz.\nVálaszd ki Tárolka kedvenc "
                          "ételét!");
}

QStringList TListKajakForm::Foods()
{
    return {QStringLiteral("Húsleves"),      QStringLiteral("Rántott hús"),  QStringLiteral("Palacsinta"),
            QStringLiteral("Rétes"),         QStringLiteral("Krémes"),       QStringLiteral("Tökfőzelék"),
            QStringLiteral("Kefir"),         QStringLiteral("Sajt"),         QStringLiteral("Krumpliprósza"),
            QStringLiteral("Uborkasaláta"), QStringLiteral("Tejföl")};
}

TListKajakForm::TListKajakForm() : TListBaseForm(QStringLiteral("ListKajakForm"), QStringLiteral("ListKajakForm"))
{
    SetInstruction(Instruction(), 21, QRect(40, 40, 944, 118));
    listBox1_ = new TDragListBox(this, QRect(400, 248, 153, 180), Foods());
    listBox1_->setFont(PixelFont(QStringLiteral("Arial"), 18));
    listBox1_->OnSelectionChange = [this] { btnNext()->setEnabled(listBox1_->SelectedRows() == QList<int>{10}); };
    animate1_ = new TClipPlayer(this);
    animate1_->setGeometry(80, 170, 240, 320);
}

void TListKajakForm::ShowPage()
{
    TListBaseForm::ShowPage();
    animate1_->Open(AviPath(QStringLiteral("Lista\\ListKajakForm.avi")));
    animate1_->PlayAll(0);
}
