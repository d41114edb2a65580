#include "EgerKattInfoForm.h"

#include "MouseText.h"
#include "framework/CaptionedPicture.h"
#include "framework/ClipPlayer.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "shell/IModule.h"

TEgerKattInfoForm::TEgerKattInfoForm() : TBaseBillForm(QStringLiteral("EgerKattInfoForm"))
{
    LoadBackground(QStringLiteral("egerezes\\EgerKattInfoForm.jpg"));
    jobbkez_ = new TImage(this, QRect(80, 568, 193, 145));
    balkez_ = new TImage(this, QRect(344, 568, 200, 145));
    joltart_ = new TImage(this, QRect(448, 568, 201, 145));
    joltart_->hide(); // drawn, never shown
    rosszultart_ = new TImage(this, QRect(616, 536, 185, 193));
    for (TImage* hand : {jobbkez_, balkez_, joltart_, rosszultart_}) {
        hand->setCursor(Qt::PointingHandCursor);
        hand->OnClick = [this, hand] { HandClick(hand); };
    }
    kattintAnim_ = new TClipPlayer(this);
    kattintAnim_->setGeometry(320, 380, 232, 160);
    kattintAnim_->Open(AviPath(QStringLiteral("04_kattintas_fogalma.avi")));

    timer_.SetInterval(1500);
    timer_.OnTimer([this] { kattintAnim_->PlayAll(1); });
    timer_.SetEnabled(true);
}

QString TEgerKattInfoForm::Instruction()
{
    return QStringLiteral("A kattintást klikkelésnek is nevezzük.<BR>A legtöbbször az egér bal gombjával "
                          "kattintunk.<BR>Mozgasd a nyilat a képekre, és mindegyiken kattints!");
}

void TEgerKattInfoForm::ShowPage()
{
    TBaseBillForm::ShowPage();
    MouseText::Write(*this, *hatter(), {16, 100, 200, 280, 50, 7}, Instruction());
    Compose(*jobbkez_, QStringLiteral("egerezes\\EgerKattInfoForm_jobbkatt.png"),
            QStringLiteral("Jobbkezes kéztartás"), 10, 16);
    Compose(*balkez_, QStringLiteral("egerezes\\EgerKattInfoForm_helyes.png"), QStringLiteral("Balkezes kéztartás"),
            20, 16);
    Compose(*joltart_, QStringLiteral("egerezes\\EgerKattInfoForm_jobbkatt.png"),
            QStringLiteral("Jó egértartás és klikkelés"), 20, 16);
    Compose(*rosszultart_, QStringLiteral("egerezes\\EgerKattInfoForm_helytelen.png"),
            QStringLiteral("Rossz egértartás és klikkelés"), 20, 32);
}

void TEgerKattInfoForm::Compose(TImage& picture, const QString& file, const QString& caption, int left, int lift)
{
    CaptionedPicture::Compose(picture, *hatter(), LoadPng(file), caption, PageFont().family(), left,
                              picture.height() - lift);
}

void TEgerKattInfoForm::HandClick(TImage* hand)
{
    hand->hide();
    clicked_.insert(hand);
    if (clicked_ == QSet<TImage*>{jobbkez_, balkez_, rosszultart_}) {
        timer_.SetEnabled(false);
        NotifyModule();
    }
}
