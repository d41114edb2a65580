#include "JelMemIntroForm.h"

#include "framework/BackAreas.h"
#include "framework/PushButton.h"

TJelMemIntroForm::TJelMemIntroForm()
    : TJelBaseForm(QStringLiteral("JelMemIntroForm"), QStringLiteral("jelolesek\\JelMemIntroForm.jpg"),
                   BackAreas::SelectionLessons)
{
    TextLabel(QRect(60, 46, 904, 40),
              QStringLiteral("Figyelj meg alaposan minden részletet a képen, aztán kattints a Tovább gombra!"), 22);
    button1_ = Button(QRect(760, 700, 121, 33), QStringLiteral("Tovább"), true);
    button1_->OnClick = [this] { Notify(); };
}
