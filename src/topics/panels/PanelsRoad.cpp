#include "PanelsRoad.h"

#include <array>
#include <utility>

namespace PanelsRoad {

namespace {
TAction To(TPage page)
{
    TAction action;
    action.move = TRoadMove::SwitchTo;
    action.page = page;
    return action;
}
} // namespace

TAction Next(const QString& pageName, bool nextForm)
{
    if (pageName == QStringLiteral("PNLMEMJATEKFORM")) {
        if (!nextForm)
            return To(TPage::KonyvJelz);
        TAction home;
        home.move = TRoadMove::ReturnToMain;
        home.takeAction = true;
        return home;
    }
    if (pageName == QStringLiteral("ERTEKELES")) {
        TAction closing = To(TPage::MemJatek);
        closing.putAction = NextForm;
        return closing;
    }
    static const std::array<std::pair<const char*, TPage>, 7> straight{{
        {"PNLNYOMTATFORM", TPage::Panel},
        {"PNLPANELFORM", TPage::Autos},
        {"PNLAUTOSFORM", TPage::MemJatek},
        {"PNLKONYVJELZFORM", TPage::FulesPanel},
        {"PNLFULESPANELFORM", TPage::MiniVizsgaIntro},
        {"PNLMINIVIZSGAINTROFORM", TPage::MiniVizsga},
        {"PNLMINIVIZSGAFORM", TPage::Ertekeles},
    }};
    for (const auto& [name, page] : straight)
        if (pageName == QLatin1String(name))
            return To(page);
    return {};
}

} // namespace PanelsRoad
