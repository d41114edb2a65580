#include "ButtonsRoad.h"

namespace ButtonsRoad {

namespace {

struct TRow {
    const char* page;
    enum { Any, Finished, NotFinished } stepReady;
    TAction action;
};

constexpr TAction Show(TPage page)
{
    return {TMove::SwitchTo, page, false, false};
}

const TRow Rows[] = {
    {"GOMBGOMBFORM", TRow::Any, Show(TPage::Sokfalyta)},
    {"GOMBSOKFALYTAFORM", TRow::Any, Show(TPage::Fokuszos)},
    {"GOMBFOKUSZOSFORM", TRow::Any, Show(TPage::Tabulator)},
    {"GOMBTABULATORFORM", TRow::Any, Show(TPage::Inaktiv)},
    {"GOMBINAKTIVFORM", TRow::Any, Show(TPage::Accelerated)},
    {"GOMBACCELERATEDFORM", TRow::Any, Show(TPage::Eszkoztarak)},
    {"GOMBESZKOZTARAKFORM", TRow::Any, Show(TPage::Kirako)},
    {"GOMBKIRAKOFORM", TRow::NotFinished, Show(TPage::Angol)},
    {"GOMBANGOLFORM", TRow::Any, Show(TPage::Kerdesek)},
    {"GOMBKERDESEKFORM", TRow::Any, Show(TPage::Ertekeles)},
    {"ERTEKELES", TRow::NotFinished, {TMove::SwitchTo, TPage::Kirako, true, false}},
    {"GOMBKIRAKOFORM", TRow::Finished, {TMove::SwitchTo, TPage::Ertekeles, true, true}},
    {"ERTEKELES", TRow::Finished, {TMove::ReturnToMain, TPage::None, false, false}},
};

} // namespace

TAction Next(const QString& pageName, const QString& stepReady)
{
    const bool finished = stepReady == Finished;
    for (const TRow& row : Rows) {
        if (pageName != QLatin1String(row.page))
            continue;
        if ((row.stepReady == TRow::Finished && !finished) || (row.stepReady == TRow::NotFinished && finished))
            continue;
        return row.action;
    }
    return {};
}

QString ClosingText(const QString& name)
{
    return QStringLiteral("Név: ") + name
           + QStringLiteral("<BR><BR>Gratulálok, ezzel a témakörrel is végeztél!<BR>Tudásod sokat gyarapodott, "
                            "használd fel jól!<BR>Már tudod, hogy mire kell kattintanod!");
}

} // namespace ButtonsRoad
