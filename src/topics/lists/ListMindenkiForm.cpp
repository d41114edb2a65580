#include "ListMindenkiForm.h"

#include "ListNamePlaces.h"
#include "framework/Controls.h"
#include "framework/DragListBox.h"
#include "framework/Fonts.h"
#include "framework/PushButton.h"

#include <QLabel>

QString TListMindenkiForm::Instruction()
{
    return QStringLiteral("Ez egy számítógépes felsorolás, azaz lista. A lista egy listadobozban van. "
                          "Felsorolhatsz neveket, számokat, színeket, mértékegységeket stb. A listából "
                          "kattintással választhatsz ki szavakat, azaz elemeket.\nVálaszd ki Tárolka "
                          "nevét! Kattints rá!");
}

QStringList TListMindenkiForm::Names()
{
    return {QStringLiteral("Digit Nóra"), QStringLiteral("Pixeles Tivadar"), QStringLiteral("Tárolka"),
            QStringLiteral("Kábel Ödön"), QStringLiteral("Lemezke"),         QStringLiteral("Nyilacska")};
}

TListMindenkiForm::TListMindenkiForm() : TListBaseForm(QStringLiteral("ListMindenkiForm"), QStringLiteral("ListMindenkiForm"))
{
    SetInstruction(Instruction(), 24, QRect(40, 40, 944, 196));
    for (const ListNamePlaces::TGuidePlace& place : ListNamePlaces::Guides)
        nameLabels_ << Controls::Label(this, place.label, QString::fromUtf8(place.name),
                                       PixelFont(QStringLiteral("Arial"), 18, true), TextColour, Qt::AlignCenter);
    listBox1_ = new TDragListBox(this, QRect(360, 256, 153, 180), Names());
    listBox1_->setFont(PixelFont(QStringLiteral("Arial"), 18));
    listBox1_->OnSelectionChange = [this] { btnNext()->setEnabled(listBox1_->SelectedRows() == QList<int>{2}); };
}
