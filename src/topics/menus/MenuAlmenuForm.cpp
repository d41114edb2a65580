#include "MenuAlmenuForm.h"

#include "framework/Menu.h"

QString TMenuAlmenuForm::Title()
{
    return QStringLiteral("Lemezke, Nyilacska, Tárolka keresése almenükben");
}

QString TMenuAlmenuForm::MenuName()
{
    return QStringLiteral("Állatok");
}

TMenuAlmenuForm::TMenuAlmenuForm(QWidget* host)
    : TMenuLessonWindow(host, QStringLiteral("MenuAlmenuForm"), Title(), QSize(520, 571))
{
    img_ = TopPicture(330);
    txtInfo_ = Text(QRect(16, 330, 481, 172), Qt::AlignHCenter | Qt::AlignTop);
    PlaceNext(QPoint(216, 480));

    TMenu* menu = NewMenu();
    TMenuItem& animals = menu->Add(MenuName());
    animals.Add(QStringLiteral("Bogarak "));
    TMenuItem& mice = animals.Add(QStringLiteral("Egerek"));
    mice.Add(QStringLiteral("Inci"));
    mice.Add(QStringLiteral("Finci "));
    mice.Add(QStringLiteral("Nyilacska "), 2);
    mice.Add(QStringLiteral("Sajtos"));
    animals.Add(QStringLiteral("Gyíkok"));
    TMenuItem& dogs = animals.Add(QStringLiteral("Kutyák"));
    dogs.Add(QStringLiteral("Bodri"));
    dogs.Add(QStringLiteral("Lemezke "), 4);
    dogs.Add(QStringLiteral("Morzsa "));
    dogs.Add(QStringLiteral("Rexi "));
    animals.Add(QStringLiteral("Lovak"));
    TMenuItem& cats = animals.Add(QStringLiteral("Macskák"));
    cats.Add(QStringLiteral("Cili"));
    cats.Add(QStringLiteral("Cirmos"));
    cats.Add(QStringLiteral("Mimi"));
    cats.Add(QStringLiteral("Tárolka"), 8);
}
