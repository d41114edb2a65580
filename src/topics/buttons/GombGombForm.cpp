#include "GombGombForm.h"

#include "framework/Fonts.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"

QString TGombGombForm::Instruction()
{
    return QStringLiteral(
        "Szia!<BR>A monitoron sokszor láthatsz gombokat.<BR>Ezek a gombok nem igaziak, csak úgy néznek ki, mintha "
        "igaziak lennének.<BR>A képernyőn lévő gombokat úgy használod, hogy a bal egérgombbal rájuk kattintasz.<BR>"
        "A programokban sokféle gombbal találkozhatsz.<BR>Ez itt egy sima, egyszerű gomb. Kattints rá!");
}

QString TGombGombForm::ButtonCaption()
{
    return QStringLiteral("Kattints rám!");
}

TGombGombForm::TGombGombForm() : TGombBaseForm(QStringLiteral("GombGombForm"))
{
    LoadBackground(QStringLiteral("gombok\\") + GetPageName() + QStringLiteral(".jpg"));
    button1_ = new TPushButton(this, QRect(355, 530, 170, 60), ButtonCaption());
    button1_->setFont(PixelFont(QStringLiteral("Arial"), 24, true));
    button1_->OnClick = [this] { Button1Click(); };
}

void TGombGombForm::ShowPage()
{
    TGombBaseForm::ShowPage();
    ShowToMenu();
    // Wide enough that the instruction ends inside the lesson panel.
    WriteOnBackground(Instruction(), 70, 80, 220, 5);
}

void TGombGombForm::Button1Click()
{
    PlaySoundFile(QStringLiteral("3_gkatt1.wav"));
    Notify();
}
