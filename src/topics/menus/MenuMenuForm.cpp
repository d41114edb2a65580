#include "MenuMenuForm.h"

#include "framework/Menu.h"

TMenuMenuForm::TMenuMenuForm(QWidget* host)
    : TMenuLessonWindow(host, QStringLiteral("MenuMenuForm"), QStringLiteral("Kedvenc ételek"), QSize(549, 554))
{
    img_ = TopPicture(330);
    txtInfo_ = Text(QRect(16, 330, 513, 165), Qt::AlignHCenter | Qt::AlignTop);
    PlaceNext(QPoint(232, 464));

    struct TDishes {
        const char* menu;
        const char* items[6];
    };
    static const TDishes dishes[] = {
        {"Levesek", {"húsleves", "zöldségleves", "bableves", "lencseleves", "gulyásleves", "karfiolleves"}},
        {"Húsételek", {"pörkölt", "rántotthús", "brassói", "bécsi szelet", "cigánypecsenye", "báránysült"}},
        {"Tészták", {"túrós tészta", "diós tészta", "grízes tészta", "sajtos tészta", "spagetti", "makaróni"}},
        {"Főzelékek", {"krumplifőzelék", "babfőzelék", "zöldbabfőzelék", "tökfőzelék", "spenót", "sóska"}},
        {"Sütemények", {"piskóta", "almáspite", "négerkocka", "dobostorta", "zserbó", "kuglóf"}},
        {"Fagyik", {"alma", "vanília", "csokoládé", "karamella", "eper", "citrom"}},
    };
    TMenu* menu = NewMenu();
    int menuTag = 10;
    for (const TDishes& dish : dishes) {
        TMenuItem& top = menu->Add(QString::fromUtf8(dish.menu), menuTag);
        for (int i = 0; i < 6; ++i)
            top.Add(QString::fromUtf8(dish.items[i]), menuTag + i + 1);
        menuTag += 10;
    }
}
