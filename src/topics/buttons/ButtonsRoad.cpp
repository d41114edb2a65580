#include "ButtonsRoad.h"

namespace ButtonsRoad {

namespace {

struct TRow {
    const char* page;
    enum { Any, Finished, NotFinished } stepReady;
    TMove move;
    TPage next;
    bool finished = false; // "STEP_READY" = "FINISHED" goes on the board
    bool closing = false;
};

const TRow Rows[] = {
    {"GOMBGOMBFORM", TRow::Any, TMove::SwitchTo, TPage::Sokfalyta},
    {"GOMBSOKFALYTAFORM", TRow::Any, TMove::SwitchTo, TPage::Fokuszos},
    {"GOMBFOKUSZOSFORM", TRow::Any, TMove::SwitchTo, TPage::Tabulator},
    {"GOMBTABULATORFORM", TRow::Any, TMove::SwitchTo, TPage::Inaktiv},
    {"GOMBINAKTIVFORM", TRow::Any, TMove::SwitchTo, TPage::Accelerated},
    {"GOMBACCELERATEDFORM", TRow::Any, TMove::SwitchTo, TPage::Eszkoztarak},
    {"GOMBESZKOZTARAKFORM", TRow::Any, TMove::SwitchTo, TPage::Kirako},
    {"GOMBKIRAKOFORM", TRow::NotFinished, TMove::SwitchTo, TPage::Angol},
    {"GOMBANGOLFORM", TRow::Any, TMove::SwitchTo, TPage::Kerdesek},
    {"GOMBKERDESEKFORM", TRow::Any, TMove::SwitchTo, TPage::Ertekeles},
    {"ERTEKELES", TRow::NotFinished, TMove::SwitchTo, TPage::Kirako, true},
    {"GOMBKIRAKOFORM", TRow::Finished, TMove::SwitchTo, TPage::Ertekeles, true, true},
    {"ERTEKELES", TRow::Finished, TMove::ReturnToMain, TPage::None},
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
        TAction action;
        action.move = row.move;
        action.page = row.next;
        if (row.finished)
            action.stepReady = Finished;
        action.closing = row.closing;
        return action;
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
