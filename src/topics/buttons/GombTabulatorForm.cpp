#include "GombTabulatorForm.h"

#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"

#include <algorithm>

namespace {

const QString Instruction = QStringLiteral(
    "A keretvonalat átviheted egyik gombról a másikra.<BR>Ezt a nyílbillentyűkkel vagy a Tab (tabulátor) "
    "billentyűvel teheted meg. A Tab a billentyűzet bal szélén van, két nyíl látható rajta.<BR>Tabulálni = "
    "ugrani.<BR>Ugorj rá minden gombra legalább háromszor!");

struct TButtonPlace {
    QPoint button;
    QPoint nora;
};

const TButtonPlace Places[] = {
    {{208, 512}, {335, 490}},
    {{488, 512}, {615, 490}},
    {{488, 632}, {615, 610}},
    {{208, 632}, {335, 610}},
};

QString Caption(int index, int visits)
{
    return QStringLiteral("%1. gomb (%2)").arg(index + 1).arg(visits);
}

} // namespace

TGombTabulatorForm::TGombTabulatorForm() : TGombBaseForm(QStringLiteral("GombTabulatorForm"))
{
    LoadBackground(QStringLiteral("gombok\\GombGombForm.jpg"));
    for (int i = 0; i < ButtonCount; ++i) {
        auto* button = new TPushButton(this, QRect(Places[i].button, QSize(121, 41)), Caption(i, 0));
        button->OnEnter = [this, i] { ButtonEnter(i); };
        buttons_[static_cast<std::size_t>(i)] = button;
    }
    next_ = new TPushButton(this, QRect(344, 728, 105, 25), QStringLiteral("Tovább"));
    next_->SetTabStop(false);
    next_->setEnabled(false);
    next_->OnClick = [this] { Notify(); };
    imgMiniNora_ = new TImage(this, QRect(Places[0].nora, QSize(73, 75)));
    imgMiniNora_->hide();
}

void TGombTabulatorForm::ShowPage()
{
    visits_ = {};
    for (int i = 0; i < ButtonCount; ++i)
        Button(i)->SetCaption(Caption(i, 0));
    imgMiniNora_->SetPng(LoadPng(QStringLiteral("gombok\\") + GetPageName() + QStringLiteral("_mini_nora.png")));
    imgMiniNora_->hide();
    TGombBaseForm::ShowPage();
    WriteOnBackground(Instruction, 80, 200, 215, 5);
}

void TGombTabulatorForm::ButtonEnter(int index)
{
    if (skipFirstFocus_) {
        skipFirstFocus_ = false;
        return;
    }
    int& visits = visits_[static_cast<std::size_t>(index)];
    if (visits < 255) {
        imgMiniNora_->move(Places[index].nora);
        imgMiniNora_->show();
        ++visits;
        Button(index)->SetCaption(Caption(index, visits));
    }
    PlaySoundFile(QStringLiteral("3_gkatt1.wav"));
    if (std::all_of(visits_.begin(), visits_.end(), [](int count) { return count >= 3; }))
        next_->setEnabled(true);
}
