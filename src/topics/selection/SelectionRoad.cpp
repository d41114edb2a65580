#include "SelectionRoad.h"

namespace SelectionRoad {

namespace {

struct TRow {
    const char* page;
    const char* stepReady; // nullptr: any
    TAction action;
};

TAction Show(TPage page, const QString& stepReady = QString())
{
    return RoadTo(page, stepReady);
}

} // namespace

TAction Next(const QString& pageName, const QString& stepReady, const QString& action)
{
    if (pageName == QLatin1String("JELAGYUZASFORM")) {
        if (action == NextForm) {
            TAction last = Show(TPage::Ertekeles, Finito);
            last.closing = true;
            last.takeAction = true;
            return last;
        }
        return Show(TPage::Ertekeles, Agyuzas);
    }
    const TRow rows[] = {
        {"JELRDBTNFORM", nullptr, Show(TPage::RdCsop)},
        {"JELRDCSOPFORM", nullptr, Show(TPage::MemIntro, RdButton)},
        {"JELMEMINTROFORM", "RDBUTTON", Show(TPage::MemRdQuiz)},
        {"JELMEMRDQUIZFORM", nullptr, Show(TPage::Ertekeles, RdButton)},
        {"ERTEKELES", "RDBUTTON", Show(TPage::ChkBox)},
        {"JELCHKBOXFORM", nullptr, Show(TPage::ChkBox2)},
        {"JELCHKBOX2FORM", nullptr, Show(TPage::MemIntro, ChkBox)},
        {"JELMEMINTROFORM", "CHKBOX", Show(TPage::ChkBoxQuiz)},
        {"JELCHKBOXQUIZFORM", nullptr, Show(TPage::Ertekeles, ChkBox)},
        {"ERTEKELES", "CHKBOX", Show(TPage::SpinEdit1)},
        {"JELSPINEDIT1FORM", nullptr, Show(TPage::SpinEdit2)},
        {"JELSPINEDIT2FORM", nullptr, Show(TPage::TreckBar)},
        {"JELTRECKBARFORM", nullptr, Show(TPage::ProgressBar)},
        {"JELPROGRESSBARFORM", nullptr, Show(TPage::Agyuzas)},
        {"ERTEKELES", "AGYUZAS", Show(TPage::Agyuzas)},
        {"ERTEKELES", "FINITO", RoadHome<TPage>()},
    };
    for (const TRow& row : rows) {
        if (pageName != QLatin1String(row.page))
            continue;
        if (row.stepReady && stepReady != QLatin1String(row.stepReady))
            continue;
        return row.action;
    }
    return {};
}

QString ClosingText()
{
    return QStringLiteral("Remélem, jó kedved lett!<BR>Ezzel a témakörrel is végeztél, most már bármit be tudsz "
                          "jelölni.<BR>Ne feledd a tanultakat!");
}

} // namespace SelectionRoad
