#include "MenuMenuForm.h"

#include "framework/Menu.h"

#include <iterator>

namespace {

struct TDishes {
    const char* menu;
    const char* items[6];
};
const TDishes Dishes[] = {
    {"Levesek", {"húsleves", "zöldségleves", "bableves", "lencseleves", "gulyásleves", "karfiolleves"}},
    {"Húsételek", {"pörkölt", "rántotthús", "brassói", "bécsi szelet", "cigánypecsenye", "báránysült"}},
    {"Tészták", {"túrós tészta", "diós tészta", "grízes tészta", "sajtos tészta", "spagetti", "makaróni"}},
    {"Főzelékek", {"krumplifőzelék", "babfőzelék", "zöldbabfőzelék", "tökfőzelék", "spenót", "sóska"}},
    {"Sütemények", {"piskóta", "almáspite", "négerkocka", "dobostorta", "zserbó", "kuglóf"}},
    {"Fagyik", {"alma", "vanília", "csokoládé", "karamella", "eper", "citrom"}},
};

} // namespace

QString TMenuMenuForm::Title()
{
    return QStringLiteral("Kedvenc ételek");
}

QStringList TMenuMenuForm::MenuNames()
{
    QStringList names;
    for (const TDishes& dish : Dishes)
        names << QString::fromUtf8(dish.menu);
    return names;
}

QString TMenuMenuForm::Dish(int tag)
{
    const int menu = tag / 10 - 1;
    const int item = tag % 10 - 1;
    if (menu < 0 || menu >= static_cast<int>(std::size(Dishes)) || item < 0 || item >= 6)
        return QString();
    return QString::fromUtf8(Dishes[menu].items[item]);
}

TMenuMenuForm::TMenuMenuForm(QWidget* host)
    : TMenuLessonWindow(host, QStringLiteral("MenuMenuForm"), Title(), QSize(549, 554))
{
    img_ = TopPicture(330);
    txtInfo_ = Text(QRect(16, 330, 513, 165), Qt::AlignHCenter | Qt::AlignTop);
    PlaceNext(QPoint(232, 464));

    TMenu* menu = NewMenu();
    int menuTag = 10;
    for (const TDishes& dish : Dishes) {
        TMenuItem& top = menu->Add(QString::fromUtf8(dish.menu), menuTag);
        for (int i = 0; i < 6; ++i)
            top.Add(QString::fromUtf8(dish.items[i]), menuTag + i + 1);
        menuTag += 10;
    }
}
