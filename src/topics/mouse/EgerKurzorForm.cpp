#include "EgerKurzorForm.h"

#include "MouseText.h"
#include "framework/Image.h"
#include "platform/VirtualKey.h"

TEgerKurzorForm::TEgerKurzorForm()
    : TEgerKeyBaseForm(QStringLiteral("EgerKurzorForm"), QRect(914, 547, 57, 55), QRect(880, 512, 129, 33),
                       QStringLiteral("Továbblépéshez nyomj ESC billentyűt!"), VirtualKey::Escape)
{
    LoadBackground(QStringLiteral("egerezes\\EgerKurzorForm.jpg"));
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
    TEgerKeyBaseForm::ShowPage();
    MouseText::Write(*this, *hatter(), {16, 70, 200, 280, 50, 7},
                     QStringLiteral("Az egérrel gyorsan és könnyen adhatunk ki utasításokat.<BR>A képernyőn található "
                                    "kicsi, fehér nyilat mozgatjuk vele,<BR>amit egérkurzornak nevezünk. Az "
                                    "egérkurzor alakja sokféle lehet.<BR>Mozgasd a nyilat az alul látható rajzokra!"));
}
