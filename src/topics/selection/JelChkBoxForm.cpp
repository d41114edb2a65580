#include "JelChkBoxForm.h"

#include "framework/BackAreas.h"
#include "framework/CheckBox.h"
#include "framework/ClipPlayer.h"
#include "framework/Fonts.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "framework/RadioGroup.h"

#include <QGroupBox>
#include <QLabel>

TJelChkBoxForm::TJelChkBoxForm()
    : TJelBaseForm(QStringLiteral("JelChkBoxForm"), QStringLiteral("jelolesek\\JelChkBoxForm.jpg"),
                   BackAreas::SelectionLessons)
{
    animate1_ = new TClipPlayer(this);
    animate1_->setGeometry(276, 100, 320, 240);
    animate1_->Open(AviPath(QStringLiteral("jelolesek\\radiogomb_ket_fele.avi")));

    const QFont font = PixelFont(QStringLiteral("Arial"), 18);
    TextLabel(QRect(40, 360, 420, 110),
              QStringLiteral("A rádiógombokra jellemző, hogy a tulajdonságok közül csak az egyik jelölhető be. "
                             "Válassz és jelölj!"),
              20)
        ->setObjectName(QStringLiteral("rdBtnText"));
    radioGroup1_ = new TRadioGroup(this, QRect(40, 480, 420, 100), QString(),
                                   {QStringLiteral("Tivadarnak van sapkája."), QStringLiteral("Tivadarnak nincs sapkája.")});
    radioGroup1_->setFont(font);
    radioGroup1_->OnClick = [this] { Update(); };

    TextLabel(QRect(520, 360, 420, 110),
              QStringLiteral("A jelölőnégyzetekre jellemző, hogy a válaszlehetőségek közül több is bejelölhető. "
                             "Jelöld be mindkét választ!"),
              20)
        ->setObjectName(QStringLiteral("chkBoxText"));
    auto* box = new QGroupBox(this);
    box->setGeometry(520, 480, 420, 100);
    checkBox1_ = new TCheckBox(box, QRect(10, 20, 400, 30), QStringLiteral("Tivadar kedves."));
    checkBox2_ = new TCheckBox(box, QRect(10, 55, 400, 30), QStringLiteral("Tivadar ügyes."));
    for (TCheckBox* check : {checkBox1_, checkBox2_}) {
        check->setFont(font);
        check->OnClick = [this] { Update(); };
    }
    button1_ = Button(QRect(450, 620, 121, 33), QStringLiteral("Tovább"), false);
    button1_->OnClick = [this] { Notify(); };
}

void TJelChkBoxForm::ShowPage()
{
    TJelBaseForm::ShowPage();
    animate1_->PlayAll(0);
}

void TJelChkBoxForm::Update()
{
    button1_->setEnabled(radioGroup1_->ItemIndex() >= 0 && checkBox1_->isChecked() && checkBox2_->isChecked());
}
