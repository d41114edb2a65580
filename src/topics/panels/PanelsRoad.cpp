#include "PanelsRoad.h"

#include <array>
#include <utility>

namespace PanelsRoad {

TAction Next(const QString& pageName, bool nextForm)
{
    if (pageName == QStringLiteral("PNLMEMJATEKFORM")) {
        if (!nextForm)
            return RoadTo(TPage::KonyvJelz);
        TAction home = RoadHome<TPage>();
        home.takeAction = true;
        return home;
    }
    if (pageName == QStringLiteral("ERTEKELES")) {
        TAction closing = RoadTo(TPage::MemJatek);
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
            return RoadTo(page);
    return {};
}

} // namespace PanelsRoad
