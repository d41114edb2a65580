#include "PanelModul.h"

#include "PanelsRoad.h"
#include "PnlAutosForm.h"
#include "PnlFulesPanelForm.h"
#include "PnlKonyvJelzForm.h"
#include "PnlMemJatekForm.h"
#include "PnlMiniVizsgaForm.h"
#include "PnlMiniVizsgaIntroForm.h"
#include "PnlNyomtatForm.h"
#include "PnlPanelForm.h"
#include "framework/Ertekeles.h"
#include "shell/String.h"

namespace {
const QString ActionKey = QStringLiteral("ACTION");
}

bool TPanelModul::NextForm() const
{
    const auto* text = dynamic_cast<const TString*>(Controller().GetValue(ActionKey));
    return text && text->GetText() == PanelsRoad::NextForm;
}

void TPanelModul::StartModule()
{
    SwitchToPage<TPnlNyomtatForm>();
}

void TPanelModul::Decide()
{
    TakeStepReady();

    using namespace PanelsRoad;
    const TAction action = Next(CurrentPageName(), NextForm());
    if (!FollowRoad(action.move, action, NoSelectedForm, {}))
        return;
    switch (action.page) {
    case TPage::Nyomtat: SwitchToPage<TPnlNyomtatForm>(); break;
    case TPage::Panel: SwitchToPage<TPnlPanelForm>(); break;
    case TPage::Autos: SwitchToPage<TPnlAutosForm>(); break;
    case TPage::MemJatek: SwitchToPage<TPnlMemJatekForm>(); break;
    case TPage::KonyvJelz: SwitchToPage<TPnlKonyvJelzForm>(); break;
    case TPage::FulesPanel: SwitchToPage<TPnlFulesPanelForm>(); break;
    case TPage::MiniVizsgaIntro: SwitchToPage<TPnlMiniVizsgaIntroForm>(); break;
    case TPage::MiniVizsga: SwitchToPage<TPnlMiniVizsgaForm>(); break;
    case TPage::Ertekeles: SwitchToPage<TErtekeles>(); break;
    case TPage::None: break;
    }
}
