#pragma once

#include "framework/Menu.h"

#include <QStringList>
#include <functional>

// The sentence game's menu shape, for the menu tests and benchmarks: "Szavak" and four levels of
// six words below it (1 + 6 + 36 + 216 + 1296 items).
inline TMenu* SentenceMenu()
{
    const QStringList levels[] = {
        {"Nóra", "Tárolka", "Lemezke", "Kábel", "Nyilacska", "Tivadar"},
        {"Ödön", "korán", "mosott", "reggel", "ugatásával", "tovább"},
        {"reggel", "hajnalban", "szeret", "alszik", "gyümölcsöket", "mindenkit"},
        {"felkelt.", "tíznél.", "locsol.", "tornázik.", "futni.", "reggelizik."},
    };
    auto* menu = new TMenu;
    std::function<void(TMenuItem&, int)> fill = [&](TMenuItem& parent, int level) {
        if (level == 4)
            return;
        for (const QString& word : levels[level])
            fill(parent.Add(word), level + 1);
    };
    fill(menu->Add(QStringLiteral("Szavak"), 999), 0);
    return menu;
}
