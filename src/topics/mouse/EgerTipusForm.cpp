#include "EgerTipusForm.h"

#include "MouseText.h"
#include "framework/Image.h"
#include "platform/VirtualKey.h"

TEgerTipusForm::TEgerTipusForm()
    : TEgerKeyBaseForm(QStringLiteral("EgerTipusForm"), QRect(896, 528, 97, 57), QRect(880, 496, 129, 33),
                       QStringLiteral("Tovább a Backspace billentyűvel!"), VirtualKey::Back)
{
    LoadBackground(QStringLiteral("egerezes\\EgerTipusForm.jpg"));
    // The continue key takes the back sign's usual place.
    vissza()->move(vissza()->x(), 660);
}

void TEgerTipusForm::ShowPage()
{
    TEgerKeyBaseForm::ShowPage();
    MouseText::Write(*this, *hatter(), {16, 100, 200, 280, 50, 7},
                     QStringLiteral("Az egér lehet hagyományos, vagyis \"golyós\" egér.<BR>Működhet lézerfénnyel is, "
                                    "ekkor optikai egérnek nevezzük.<BR>Az, hogy milyen, akkor derül ki, ha felemeled "
                                    "és megfordítod.<BR>Az egér tetején van két-három gomb, és lehet görgőkerék is."));
}
