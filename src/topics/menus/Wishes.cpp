#include "Wishes.h"

namespace Wishes {

namespace {
const QColor None;
} // namespace

QString First()
{
    return QStringLiteral("Elsőként kék hátteret szeretnék!");
}

const TWish& At(int step)
{
    static const TWish wishes[Count] = {
        {211, TEffect::Colour, QColor(0, 0, 255), {}, nullptr, "Csökkentsd az ablak magasságát!"},
        {311, TEffect::Size, None, QSize(0, -50), nullptr, "Nórát szeretném látni!"},
        {113, TEffect::ShowGuide, None, {}, "menu\\menu_v2.png", "Fesd pirosra a hátteret!"},
        {215, TEffect::Colour, QColor(255, 0, 0), {}, nullptr, "Nóra menjen haza!"},
        {113, TEffect::HideGuide, None, {}, nullptr, "Csökkentsd az ablak szélességét!"},
        {321, TEffect::Size, None, QSize(-50, 0), nullptr, "Lemezke kutyám, gyere ide!"},
        {111, TEffect::ShowGuide, None, {}, "menu\\menu_flo.png", "Lemezkének a sárga szín jobban tetszik."},
        {214, TEffect::Colour, QColor(255, 255, 0), {}, nullptr, "Szűk ez az ablak, növeld a szélességét!"},
        {322, TEffect::Size, None, QSize(50, 0), nullptr, "Növeld a magasságot is!"},
        {312, TEffect::Size, None, QSize(0, 50), nullptr, "Kérem a tanár urat!"},
        {112, TEffect::ShowGuide, None, {}, "menu\\menu_e.png", ""},
    };
    return wishes[step];
}

bool IsGuide(int tag)
{
    return tag == 111 || tag == 112 || tag == 113;
}

} // namespace Wishes
