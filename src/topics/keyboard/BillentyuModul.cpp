#include "BillentyuModul.h"

#include "BillInfo.h"
#include "Betuvadaszat.h"
#include "Billentyuzet.h"
#include "KeyboardRoad.h"
#include "OsztalyBe.h"
#include "Szogepeles.h"
#include "framework/Ertekeles.h"
#include "platform/MessageBoxes.h"
#include "platform/Services.h"
#include "shell/Board.h"

namespace {
const QString StepKey = QStringLiteral("STEP");
const QString StepReadyKey = QStringLiteral("STEP_READY");
} // namespace

void TBillentyuModul::StartModule()
{
    SwitchToPage<TOsztalyBe>();
}

void TBillentyuModul::Decide()
{
    IModuleController& controller = Controller();

    using namespace KeyboardRoad;
    const TAction action = Next(CurrentPageName(), Board::Text(controller, StepReadyKey));
    if (action.move == TMove::Nothing)
        return;
    if (action.move == TMove::Unknown) {
        Services::Messages().Information(NoSuchPage);
        return;
    }
    if (action.removeStepReady)
        controller.RemoveValue(StepReadyKey);
    if (action.closing) {
        Board::PutText(controller, QStringLiteral("ERTEKEL"), ClosingText());
        Board::PutText(controller, QStringLiteral("CHANGE_MODUL"), QStringLiteral("RETURN_TO_MAIN"));
    }
    if (action.move == TMove::ShowAgain) {
        Board::PutText(controller, StepKey, action.step);
        CurrentPage()->ShowPage();
        return;
    }

    const auto prepare = [&controller, &action] {
        if (!action.step.isEmpty())
            Board::PutText(controller, StepKey, action.step);
    };
    switch (action.page) {
    case TPage::OsztalyBe: SwitchToPage<TOsztalyBe>(prepare); break;
    case TPage::Billentyuzet: SwitchToPage<TBillentyuzet>(prepare); break;
    case TPage::Betuvadaszat: SwitchToPage<TBetuvadaszat>(prepare); break;
    case TPage::Szogepeles: SwitchToPage<TSzogepeles>(prepare); break;
    case TPage::Ertekeles: SwitchToPage<TErtekeles>(prepare); break;
    case TPage::BillInfo: SwitchToPage<TBillInfo>(prepare); break;
    case TPage::None: break;
    }
}
