#include "EgerTipusForm.h"

#include "MouseText.h"
#include "framework/Image.h"
#include "platform/VirtualKey.h"
#include "shell/IModule.h"

#include <QLabel>

TEgerTipusForm::TEgerTipusForm() : TBaseBillForm(QStringLiteral("EgerTipusForm"))
{
    LoadBackground(QStringLiteral("egerezes\\EgerTipusForm.jpg"));
    backspace_ = new TImage(this, QRect(896, 528, 97, 57));
    backspace_->setCursor(Qt::PointingHandCursor);
    backspace_->OnClick = [this] { Module()->Notify(); };
    hint_ = MouseText::Hint(this, QRect(880, 496, 129, 33), QStringLiteral("Tovább a Backspace billentyűvel!"));
    // The continue key takes the back sign's usual place.
    vissza()->move(vissza()->x(), 660);
}

void TEgerTipusForm::ShowPage()
{
    TBaseBillForm::ShowPage();
    MouseText::Write(*this, *hatter(), {16, 100, 200, 280, 50, 7},
                     QStringLiteral("Az egér lehet hagyományos, vagyis \"golyós\" egér.<BR>Működhet lézerfénnyel is, "
                                    "ekkor optikai egérnek nevezzük.<BR>Az, hogy milyen, akkor derül ki, ha felemeled "
                                    "és megfordítod.<BR>Az egér tetején van két-három gomb, és lehet görgőkerék is."));
}

void TEgerTipusForm::FormKeyDown(int& key, Qt::KeyboardModifiers)
{
    if (key == VirtualKey::Back)
        Module()->Notify();
}
