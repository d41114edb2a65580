#include "MenuAsztalkaForm.h"

#include "framework/Menu.h"

QString TMenuAsztalkaForm::Title()
{
    return QStringLiteral("Terülj-terülj asztalkám");
}

QStringList TMenuAsztalkaForm::MenuNames()
{
    return {QStringLiteral("Csokoládék"), QStringLiteral("Üdítők"), QStringLiteral("Sütemények")};
}

TMenuAsztalkaForm::TMenuAsztalkaForm(QWidget* host)
    : TMenuLessonWindow(host, QStringLiteral("MenuAsztalkaForm"), Title(), QSize(547, 175))
{
    txtInfo_ = Text(QRect(8, 0, 521, 112), Qt::AlignHCenter | Qt::AlignTop);
    PlaceNext(QPoint(232, 83));

    TMenu* menu = NewMenu();
    const QStringList names = MenuNames();
    TMenuItem& chocolates = menu->Add(names[0]);
    chocolates.Add(QStringLiteral("puncsos csoki"), 11);
    chocolates.Add(QStringLiteral("mogyorós csoki"), 12);
    chocolates.Add(QStringLiteral("vaníliás csoki"), 13);
    TMenuItem& drinks = menu->Add(names[1]);
    drinks.Add(QStringLiteral("almalé"), 21);
    drinks.Add(QStringLiteral("eperlé"), 22);
    drinks.Add(QStringLiteral("narancslé"), 23);
    TMenuItem& cakes = menu->Add(names[2]);
    cakes.Add(QStringLiteral("torta"), 31);
    cakes.Add(QStringLiteral("csokis süti"), 32);
    cakes.Add(QStringLiteral("puncsos süti"), 33);
}
