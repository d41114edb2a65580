#include "EgerekForm.h"

#include "MouseText.h"
#include "platform/VirtualKey.h"

TEgerekForm::TEgerekForm()
    : TEgerKeyBaseForm(QStringLiteral("EgerekForm"), QRect(882, 440, 115, 130), QRect(880, 408, 121, 33),
                       QStringLiteral("Továbblépéshez üss ENTER-t!"), VirtualKey::Return)
{
    LoadBackground(QStringLiteral("egerezes\\EgerekForm.jpg"));
}

void TEgerekForm::ShowPage()
{
    TEgerKeyBaseForm::ShowPage();
    MouseText::Write(*this, *hatter(), {16, 50, 700, 210, 50, 5},
                     QStringLiteral("Ezek igazi egerek!<BR>Az egér egy pici állatka.<BR>Sokan félnek tőle, pedig "
                                    "senkit sem bánt!<BR>Apró, de a farka igen hosszú!"));
    MouseText::Write(*this, *hatter(), {16, 480, 160, 210, 50, 5},
                     QStringLiteral("Ezek számítógépes egerek!<BR>Ez az egér is kicsi, viszont nem állat,<BR>hanem "
                                    "egy hasznos eszköz, amivel a gépet irányítjuk.<BR>A vezeték, ami a géphez "
                                    "kapcsolja, olyan, mint egy farkinca."));
}
