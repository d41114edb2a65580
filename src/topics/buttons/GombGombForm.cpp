#include "GombGombForm.h"

#include "framework/Fonts.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"

namespace {
const QString Instruction = QStringLiteral(
    "Szia!<BR>A monitoron sokszor láthatsz gombokat.<BR>Ezek a gombok nem igaziak, csak úgy néznek ki, mintha "
    "igaziak lennének.<BR>A képernyőn lévő gombokat úgy használod, hogy a bal egérgombbal rájuk kattintasz.<BR>"
    "A programokban sokféle gombbal találkozhatsz.<BR>Ez itt egy sima, egyszerű gomb. Kattints rá!");
} // namespace

TGombGombForm::TGombGombForm() : TGombBaseForm(QStringLiteral("GombGombForm"))
{
    LoadBackground(QStringLiteral("gombok\\") + GetPageName() + QStringLiteral(".jpg"));
    button1_ = new TPushButton(this, QRect(355, 530, 170, 60), QStringLiteral("Kattints rám!"));
    button1_->setFont(PixelFont(QStringLiteral("Arial"), 24, true));
    button1_->OnClick = [this] { Button1Click(); };
}

void TGombGombForm::ShowPage()
{
    TGombBaseForm::ShowPage();
    ShowToMenu();
    // Wide enough that the instruction ends inside the lesson panel.
    WriteOnBackground(Instruction, 70, 80, 220, 5);
}

void TGombGombForm::Button1Click()
{
    PlaySoundFile(QStringLiteral("3_gkatt1.wav"));
    Notify();
}
