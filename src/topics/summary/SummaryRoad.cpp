#include "SummaryRoad.h"

namespace SummaryRoad {

namespace {

// A game page: its "next" control leaves it for `next`; otherwise its evaluation follows.
struct TGame {
    const char* page;
    const QString* stepReady;
    TPage next;
};

TAction LeaveGame(TPage next)
{
    TAction action = RoadTo(next);
    action.takeAction = true;
    return action;
}

} // namespace

TAction Next(const QString& pageName, const QString& stepReady, const QString& action)
{
    const bool nextForm = action == NextForm;
    const TGame games[] = {
        {"OSSZEFOGLBILL2FORM", &Hunt, TPage::Eger},
        {"EGERBASKETBALLFORM", &BasketBall, TPage::Gomb},
        {"JELAGYUZASFORM", &Agyuzas, TPage::List},
    };
    for (const TGame& game : games) {
        if (pageName != QLatin1String(game.page))
            continue;
        return nextForm ? LeaveGame(game.next) : RoadTo(TPage::Ertekeles, *game.stepReady);
    }
    if (pageName == QLatin1String("OSSZEFOGLMENUFORM")) {
        if (!nextForm)
            return RoadTo(TPage::Ertekeles, MenuSearch);
        TAction last = RoadTo(TPage::Ertekeles, Finito);
        last.takeAction = true;
        last.closing = true;
        return last;
    }

    struct TRow {
        const char* page;
        TPage next;
    };
    static const TRow reviews[] = {
        {"OSSZEFOGLBILLFORM", TPage::Bill2},  {"OSSZEFOGLEGERFORM", TPage::BasketBall},
        {"OSSZEFOGLGOMBFORM", TPage::Gomb2},  {"OSSZEFOGLGOMB2FORM", TPage::Jelol},
        {"OSSZEFOGLJELOLFORM", TPage::Agyuzas}, {"OSSZEFOGLLISTFORM", TPage::Panel},
        {"OSSZEFOGLPANELFORM", TPage::Panel2}, {"OSSZEFOGLPANEL2FORM", TPage::Menu},
    };
    for (const TRow& row : reviews) {
        if (pageName == QLatin1String(row.page))
            return RoadTo(row.next);
    }

    if (pageName == QLatin1String("ERTEKELES")) {
        const std::pair<const QString*, TPage> again[] = {
            {&Hunt, TPage::Bill2},
            {&BasketBall, TPage::BasketBall},
            {&Agyuzas, TPage::Agyuzas},
            {&MenuSearch, TPage::Menu},
        };
        for (const auto& [word, page] : again) {
            if (stepReady == *word)
                return RoadTo(page);
        }
        if (stepReady == Finito)
            return RoadHome<TPage>();
    }
    return {};
}

QString ClosingText()
{
    return QStringLiteral(
        "Gratulálok (Congratulations - kongracsulésön)!!! <BR>Az összefoglaló témakört is sikeresen befejezted."
        "<BR>Most már tudod, hogyan kell a számítógépet használni. Használd bátran tanulásra, munkára és "
        "szórakozásra is: írj, rajzolj, számolj, játssz vele!<BR>Sok sikert kívánnak a Bitlak készítői!"
        "<BR><BR>A Bitlak egy számítógép-kezelést tanító program iskolásoknak.<BR>Készítette: a Bitlak "
        "fejlesztőcsapata.<BR>A képeket, hangokat és mozgóképeket a Bitlak saját eszközeivel készítettük."
        "<BR><BR>Ha elolvastad, akkor nyomd meg az L billentyűt!");
}

} // namespace SummaryRoad
