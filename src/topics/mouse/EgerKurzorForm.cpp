#include "EgerKurzorForm.h"

#include "MouseText.h"
#include "framework/Image.h"
#include "platform/VirtualKey.h"
#include "shell/IModule.h"

#include <QLabel>

TEgerKurzorForm::TEgerKurzorForm() : TBaseBillForm(QStringLiteral("EgerKurzorForm"))
{
    LoadBackground(QStringLiteral("egerezes\\EgerKurzorForm.jpg"));
    escape_ = new TImage(this, QRect(914, 547, 57, 55));
    escape_->setCursor(Qt::PointingHandCursor);
    escape_->OnClick = [this] { Module()->Notify(); };
    hint_ = MouseText::Hint(this, QRect(880, 512, 129, 33), QStringLiteral("Továbblépéshez nyomj ESC billentyűt!"));
    vissza()->move(vissza()->x(), 660);

    struct TArea {
        int left;
        int width;
        Qt::CursorShape cursor;
    };
    const TArea areas[] = {{40, 145, Qt::ArrowCursor},
                           {184, 161, Qt::WaitCursor},
                           {344, 161, Qt::SizeAllCursor},
                           {504, 161, Qt::SizeVerCursor},
                           {664, 145, Qt::ForbiddenCursor}};
    for (std::size_t i = 0; i < cursors_.size(); ++i) {
        cursors_[i] = new TImage(this, QRect(areas[i].left, 496, areas[i].width, 161));
        cursors_[i]->setCursor(areas[i].cursor);
    }
}

void TEgerKurzorForm::ShowPage()
{
    TBaseBillForm::ShowPage();
    MouseText::Write(*this, *hatter(), {16, 70, 200, 280, 50, 7},
                     QStringLiteral("Az egérrel gyorsan és könnyen adhatunk ki utasításokat.<BR>A képernyőn található "
                                    "kicsi, fehér nyilat mozgatjuk vele,<BR>amit egérkurzornak nevezünk. Az "
                                    "egérkurzor alakja sokféle lehet.<BR>Mozgasd a nyilat az alul látható rajzokra!"));
}

void TEgerKurzorForm::FormKeyDown(int& key, Qt::KeyboardModifiers)
{
    if (key == VirtualKey::Escape)
        Module()->Notify();
}
