#include "JelSpinEdit1Form.h"

#include "framework/BackAreas.h"
#include "framework/Colours.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "framework/SpinEdit.h"
#include "platform/VirtualKey.h"

#include <QLabel>
#include <QLineEdit>

namespace {
const QString Instruction = QStringLiteral(
    "A gépen például számértéket, mértékegységet, színt, méretet, dátumot vagy időt is beállíthatunk. Ehhez a "
    "szerkesztőmezőket és a nyílgombokat is használhatjuk. Növeld az ötösök számát a nyilak segítségével 100-ig! "
    "Közben figyeld Tivadart is!");
const QString Onward = QStringLiteral("Elérted a 100-at! Lépj még egyet felfelé, és figyeld Tivadart!");
} // namespace

TJelSpinEdit1Form::TJelSpinEdit1Form()
    : TJelSpinEdit1Form(QStringLiteral("JelSpinEdit1Form"),
                        {QRect(528, 288, 161, 70), 200, 1, QStringLiteral("tivadar"), QRect(135, 65, 219, 408)})
{
    TextLabel(QRect(400, 60, 560, 200), Instruction, 24)->setObjectName(QStringLiteral("lblText"));
    // Below the exercise book of fives in the background.
    lblOnward_ = TextLabel(QRect(400, 524, 560, 64), Onward, 24);
    lblOnward_->setFont(PixelFont(QStringLiteral("Arial"), 24, true));
    lblOnward_->hide();
    // The value changes by the arrows only.
    OnControlKeyDown(edit1_->Edit(), [](int& key, Qt::KeyboardModifiers) {
        if (key != VirtualKey::Tab)
            key = 0;
    });
    OnControlKeyPress(edit1_->Edit(), [](QChar& key) { key = QChar(); });
}

TJelSpinEdit1Form::TJelSpinEdit1Form(const QString& pageName, const TLayout& layout)
    : TJelBaseForm(pageName, QStringLiteral("jelolesek\\") + pageName + QStringLiteral(".jpg"),
                   BackAreas::Usual)
{
    edit1_ = new TSpinEdit(this, layout.edit, 0, layout.maximum, layout.increment);
    QLineEdit* field = edit1_->Edit();
    field->setFont(PixelFont(QStringLiteral("Arial"), 53));
    QPalette colours = field->palette();
    colours.setColor(QPalette::Text, DelphiColor(0xFF0000));
    field->setPalette(colours);
    imgTivadar_ = new TImage(this, layout.picture);
    const QString prefix = QStringLiteral("jelolesek\\") + pageName + QStringLiteral("_") + layout.face;
    happyPicture_ = LoadPng(prefix + QStringLiteral("_heppy.png"));
    unhappyPicture_ = LoadPng(prefix + QStringLiteral("_unheppy.png"));
    ShowMood(false);
    btnFinish_ = Button(QRect(760, 600, 121, 33), QStringLiteral("Tovább"), false);
    btnFinish_->OnClick = [this] { Notify(); };
    edit1_->OnChange = [this] { Edit1Change(); };
}

void TJelSpinEdit1Form::ShowMood(bool happy)
{
    if (happy == happy_)
        return;
    happy_ = happy;
    imgTivadar_->SetPng(happy ? happyPicture_ : unhappyPicture_);
}

void TJelSpinEdit1Form::Edit1Change()
{
    const int value = edit1_->Value();
    if (value == 100)
        reached100_ = true;
    const bool past = reached100_ && value > 100;
    btnFinish_->setEnabled(past);
    ShowMood(past);
    if (lblOnward_)
        lblOnward_->setVisible(reached100_ && !past);
}
