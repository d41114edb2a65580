#include "ListsRoad.h"

namespace ListsRoad {

namespace {

TAction Show(TPage page, const QString& step = {}, const QString& stepReady = {})
{
    TAction action = RoadTo(page, stepReady);
    action.step = step;
    return action;
}

} // namespace

TAction Next(const QString& pageName, const QString& stepReady, const QString& action)
{
    if (pageName == QLatin1String("LISTMINDENKIFORM"))
        return Show(TPage::Kajak);
    if (pageName == QLatin1String("LISTKAJAKFORM"))
        return Show(TPage::Szulinap);
    if (pageName == QLatin1String("LISTSZULINAPFORM"))
        return Show(TPage::TV);
    if (pageName == QLatin1String("LISTTVFORM"))
        return Show(TPage::MertekCsop);
    if (pageName == QLatin1String("LISTMERTEKCSOPFORM"))
        return Show(TPage::LyJ, Shift);
    if (pageName == QLatin1String("LIST_LY_J_FORM") && stepReady == Shift) {
        TAction same = Show(TPage::LyJ, Ctrl);
        same.move = TMove::SamePage;
        return same;
    }
    if (pageName == QLatin1String("LIST_LY_J_FORM") && stepReady == Ctrl)
        return Show(TPage::ReflexJatek);
    if (pageName == QLatin1String("LISTREFLEXJATEKFORM")) {
        if (action == NextForm) {
            TAction skip = Show(TPage::EditableLB);
            skip.takeAction = true;
            return skip;
        }
        return Show(TPage::Ertekeles, {}, ReflexJatek);
    }
    if (pageName == QLatin1String("ERTEKELES") && stepReady == ReflexJatek)
        return Show(TPage::EditableLB);
    if (pageName == QLatin1String("LISTEDITABLELBFORM"))
        return Show(TPage::Combo);
    if (pageName == QLatin1String("LISTCOMBOFORM")) {
        TAction closing = Show(TPage::Ertekeles, {}, Finito);
        closing.closing = true;
        return closing;
    }
    if (pageName == QLatin1String("ERTEKELES") && stepReady == Finito)
        return RoadHome<TPage>();
    return {};
}

QString ClosingText()
{
    return QStringLiteral(
        "Ezt a fejezetet is befejezted. Az itt tanultakat nagyon sok helyen hasznosíthatod a programok "
        "használata közben. Jól jegyezd meg, hogyan jelölhetsz ki egyszerre több elemet:<BR>Shift + "
        "nyílbillentyűk = szomszédos elemek<BR>Ctrl + kattintás = nem szomszédos elemek<BR>Sok sikert a "
        "következő témakörhöz!");
}

} // namespace ListsRoad
