#include "MenusRoad.h"

namespace MenusRoad {

TAction Next(const QString& pageName, const QString& stepReady, bool endGame)
{
    struct TRow {
        const char* page;
        TPage next;
    };
    static const TRow lessons[] = {
        {"MENUMENUMFORM", TPage::Kedvenc}, {"MENUKEDVENCMFORM", TPage::Asztalka}, {"MENUASZTALKAMFORM", TPage::Torna},
        {"MENUTORNAMFORM", TPage::AlMenu}, {"MENUALMENUMFORM", TPage::Almenu2},   {"MENUALMENU2MFORM", TPage::PopUp},
        {"MENUPOPUPMFORM", TPage::PopUp2}, {"MENUPOPUP2MFORM", TPage::Mondat},
    };
    for (const TRow& row : lessons) {
        if (pageName == QLatin1String(row.page))
            return RoadTo(row.next);
    }
    if (pageName == QLatin1String("MENUMONDATMFORM")) {
        if (!endGame)
            return RoadTo(TPage::Ertekeles, AnotherGame);
        TAction action = RoadTo(TPage::Ertekeles, Finito);
        action.closing = true;
        return action;
    }
    if (pageName == QLatin1String("ERTEKELES")) {
        if (stepReady == AnotherGame)
            return RoadTo(TPage::Mondat);
        if (stepReady == Finito)
            return RoadHome<TPage>();
    }
    return {};
}

QString ClosingText()
{
    return QStringLiteral("Már majdnem mindent tudsz a gép kezeléséről! A menük használata nem bonyolult, csak oda "
                          "kell figyelni! Vigyázz, hogy ne tévedj el az almenük között, és emlékezz: a gyorsmenük "
                          "is nagyon hasznosak! Gratulálok, ezt a témakört is befejezted!");
}

} // namespace MenusRoad
