#include "JelRdBtnForm.h"

#include "framework/BackAreas.h"
#include "OptionBox.h"
#include "framework/Fonts.h"
#include "framework/MediaAccess.h"

namespace {
const QString Instruction = QStringLiteral(
    "A rádiógombok hasonlítanak a már tanult eszköztárgombokhoz: egyszerre mindig csak egy lehet közülük "
    "bekapcsolva, és nem tudják saját magukat kikapcsolni. A bekapcsoláshoz klikkelhetsz a karikára és a gombhoz "
    "tartozó szövegre is. Kapcsold be mindegyik rádiógombot háromszor!");
const QString Off = QStringLiteral("    Kikapcsolt rádiógomb");
} // namespace

TJelRdBtnForm::TJelRdBtnForm()
    : TJelBaseForm(QStringLiteral("JelRdBtnForm"), QStringLiteral("\\jelolesek\\JelRdBtnForm.jpg"),
                   BackAreas::SelectionLessons)
{
    TextLabel(QRect(160, 250, 700, 200), Instruction, 24);
    const QImage on = LoadPng(QStringLiteral("jelolesek\\JelRdBtnForm_be.png"));
    const QImage off = LoadPng(QStringLiteral("jelolesek\\JelRdBtnForm_ki.png"));
    rdOne_ = new TOptionBox(this, QRect(288, 520, 460, 40), 1, on, off);
    rdTwo_ = new TOptionBox(this, QRect(288, 584, 460, 40), 2, on, off);
    for (TOptionBox* box : {rdOne_, rdTwo_}) {
        box->setFont(PixelFont(QStringLiteral("Arial"), 24));
        box->setText(Off);
        connect(box, &TOptionBox::clicked, this, [this, box] { Toggled(box); });
    }
}

void TJelRdBtnForm::ShowPage()
{
    TJelBaseForm::ShowPage();
    onesOn_ = 0;
    twosOn_ = 0;
}

void TJelRdBtnForm::Toggled(TOptionBox* box)
{
    if (!box->isChecked()) {
        // A radio button cannot switch itself off.
        box->setChecked(true);
        return;
    }
    int& counter = box->Tag() == 1 ? onesOn_ : twosOn_;
    counter = std::min(counter + 1, 255);
    box->setText(QStringLiteral("    Bekapcsolt rádiógomb (") + QString::number(counter) + QStringLiteral(")"));
    TOptionBox* other = box == rdOne_ ? rdTwo_ : rdOne_;
    other->setText(Off);
    other->setChecked(false);
    if (onesOn_ == 3 && twosOn_ == 3)
        Notify();
}
