#include "EgerBallJobbForm.h"

#include "framework/ClipPlayer.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/TextImgWriter.h"

TEgerBallJobbForm::TEgerBallJobbForm() : TBaseBlueForm(QStringLiteral("EgerBallJobbForm")), timer1_(this)
{
    LoadBackground(QStringLiteral("egerezes\\") + GetPageName() + QStringLiteral(".jpg"));
    imgMouse_ = new TImage(this, QRect(550, 410, 170, 297));
    imgMouse_->setCursor(Qt::PointingHandCursor);
    imgMouse_->OnMouseDown = [this](Qt::MouseButton button, QPoint) { imgMouseMouseDown(button); };
    jobbBalAnim_ = new TClipPlayer(this);
    jobbBalAnim_->setGeometry(175, 455, 230, 160);
    timer1_.SetInterval(1500);
    timer1_.OnTimer([this] {
        if (!jobbBalAnim_->Active())
            jobbBalAnim_->PlayAll(1);
    });
}

TEgerBallJobbForm::~TEgerBallJobbForm() = default;

QString TEgerBallJobbForm::Instruction()
{
    return QStringLiteral("Ballal már tudsz kattintani, most következzen a jobb gomb!<BR>10 Nyilacskát látsz "
                          "majd egymás után.<BR>Ha Nyilacska balra mutat, ballal, ha jobbra, jobbal "
                          "klikkelj!<BR>Most kattints a jobb gombbal az egeret bemutató rajzon!");
}

void TEgerBallJobbForm::ShowPage()
{
    TBaseBlueForm::ShowPage();
    ShowToMenu();
    TTextImgWriter& writer = *Writer();
    writer.SetImage(hatter());
    writer.SetAlignment(QStringLiteral("wlfLeft"));
    writer.SetMargins(200, 160, 170, 270);
    writer.SetText(Instruction());
    writer.WriteText();
    jobbBalAnim_->Open(AviPath(QStringLiteral("egerezes\\") + GetPageName() + QStringLiteral(".avi")));
    jobbBalAnim_->PlayAll(2);
    timer1_.SetEnabled(true);
}

void TEgerBallJobbForm::ClosePage()
{
    timer1_.SetEnabled(false);
    jobbBalAnim_->Stop();
    TBaseBlueForm::ClosePage();
}

void TEgerBallJobbForm::imgMouseMouseDown(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        NotifyModule();
}
