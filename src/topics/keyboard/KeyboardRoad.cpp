#include "KeyboardRoad.h"

namespace KeyboardRoad {

namespace {

struct TRow {
    const char16_t* page;
    const char16_t* stepReady; // nullptr: any text, or none
    TAction action;
};

TAction Again(const char16_t* step)
{
    return {TMove::ShowAgain, TPage::None, QString::fromUtf16(step), true, false};
}

TAction Switch(TPage page, const char16_t* step, bool removeStepReady)
{
    return {TMove::SwitchTo, page, step ? QString::fromUtf16(step) : QString(), removeStepReady, false};
}

const TRow Rows[] = {
    {u"OSZTALYBE", nullptr, Switch(TPage::Billentyuzet, u"T", false)},
    {u"BILLENTYUZET", u"T_READY", Again(u"CAPSLOCK")},
    {u"BILLENTYUZET", u"CAPSLOCK_READY", Again(u"SHIFT")},
    {u"BILLENTYUZET", u"SHIFT_READY", Switch(TPage::Betuvadaszat, u"R1", true)},
    {u"BILLENTYUZET", u"FELSO_READY", Again(u"ALSO")},
    {u"BILLENTYUZET", u"ALSO_READY", Again(u"HÁROMBILL")},
    {u"BILLENTYUZET", u"HÁROMBILL_READY", Switch(TPage::Betuvadaszat, u"R2", true)},
    {u"BILLENTYUZET", u"NUMLOCK_READY", Switch(TPage::Szogepeles, u"SZAMOK", true)},
    {u"BILLENTYUZET", u"ESC_READY", {TMove::SwitchTo, TPage::Ertekeles, QString(), true, true}},
    {u"BILLENTYUZET", nullptr, {}},
    {u"BETUVADASZAT", nullptr, Switch(TPage::Ertekeles, nullptr, false)},
    {u"ERTEKELES", u"R1_READY", Switch(TPage::Billentyuzet, u"FELSO", true)},
    {u"ERTEKELES", u"R2_READY", Switch(TPage::Billentyuzet, u"NUMLOCK", true)},
    {u"ERTEKELES", u"SZAVAK_READY", Switch(TPage::Billentyuzet, u"ESC", true)},
    {u"ERTEKELES", u"R3_READY", Switch(TPage::BillInfo, nullptr, true)},
    {u"ERTEKELES", nullptr, {}},
    {u"SZOGEPELES", u"SZAMOK_READY", Switch(TPage::Betuvadaszat, u"R3", true)},
    {u"SZOGEPELES", u"SZAVAK_READY", Switch(TPage::Ertekeles, nullptr, false)},
    {u"SZOGEPELES", nullptr, {}},
    {u"BILLINFO", nullptr, Switch(TPage::Szogepeles, u"SZAVAK", false)},
};

} // namespace

TAction Next(const QString& pageName, const std::optional<QString>& stepReady)
{
    for (const TRow& row : Rows) {
        if (pageName != QString::fromUtf16(row.page))
            continue;
        if (row.stepReady && (!stepReady || *stepReady != QString::fromUtf16(row.stepReady)))
            continue;
        return row.action;
    }
    return {TMove::Unknown, TPage::None, QString(), false, false};
}

QString ClosingText()
{
    return QStringLiteral(
        "<BR>Ezzel befejeződött a \"Billentyűzet\" témakör. Ügyes vagy, hogy végigcsináltad, ha pedig a "
        "feladatmegoldásban is eredményes voltál, akkor kétszeresen is elégedett lehetsz!<BR>Ne feledd az itt "
        "tanultakat, mert később hasznodra lehetnek!<BR>Most nyomd meg az L billentyűt, aztán kérdezd meg a "
        "tanárodat, hogy mi következik!<BR>Szia!");
}

} // namespace KeyboardRoad
