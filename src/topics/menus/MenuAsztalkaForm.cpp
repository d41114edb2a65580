#include "MenuAsztalkaForm.h"

#include "framework/Menu.h"

TMenuAsztalkaForm::TMenuAsztalkaForm(QWidget* host)
    : TMenuLessonWindow(host, QStringLiteral("MenuAsztalkaForm"), QStringLiteral("Terülj-terülj asztalkám"),
                        QSize(547, 175))
{
    txtInfo_ = Text(QRect(8, 0, 521, 112), Qt::AlignHCenter | Qt::AlignTop);
    PlaceNext(QPoint(232, 83));

    TMenu* menu = NewMenu();
    TMenuItem& chocolates = menu->Add(QStringLiteral("Csokoládék"));
    chocolates.Add(QStringLiteral("puncsos csoki"), 11);
    chocolates.Add(QStringLiteral("mogyorós csoki"), 12);
    chocolates.Add(QStringLiteral("vaníliás csoki"), 13);
    TMenuItem& drinks = menu->Add(QStringLiteral("Üdítők"));
    drinks.Add(QStringLiteral("almalé"), 21);
    drinks.Add(QStringLiteral("eperlé"), 22);
    drinks.Add(QStringLiteral("narancslé"), 23);
    TMenuItem& cakes = menu->Add(QStringLiteral("Sütemények"));
    cakes.Add(QStringLiteral("torta"), 31);
    cakes.Add(QStringLiteral("csokis süti"), 32);
    cakes.Add(QStringLiteral("puncsos süti"), 33);
}
