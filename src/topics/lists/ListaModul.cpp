#include "ListaModul.h"

#include "ListComboForm.h"
#include "ListEditableLBForm.h"
#include "ListKajakForm.h"
#include "ListMertekCsopForm.h"
#include "ListMindenkiForm.h"
#include "ListReflexJatekForm.h"
#include "ListSzulinapForm.h"
#include "ListTVForm.h"
#include "List_LY_J_Form.h"
#include "ListsRoad.h"
#include "framework/Ertekeles.h"
#include "platform/MessageBoxes.h"
#include "platform/Services.h"
#include "shell/Board.h"

namespace {
const QString StepKey = QStringLiteral("STEP");
const QString StepReadyKey = QStringLiteral("STEP_READY");
const QString ActionKey = QStringLiteral("ACTION");
} // namespace

void TListaModul::ClearKeys()
{
    ClearProgress();
    Controller().RemoveValue(ActionKey);
}

void TListaModul::StartModule()
{
    ClearKeys();
    SwitchToPage<TListMindenkiForm>();
}

void TListaModul::Notify()
{
    // The controller may replace this module during the call.
    auto self = shared_from_this();
    IModuleController& controller = Controller();
    if (ForwardExit())
        return;
    if (controller.GetValue(QStringLiteral("CHANGE_MODUL")))
        controller.RemoveValue(ActionKey);
    if (LeaveOnChangeModul())
        return;
    if (!CurrentPage())
        return;

    const QString stepReady = TakeStepReady();
    const QString actionText = Board::Text(controller, ActionKey).value_or(QString());

    using namespace ListsRoad;
    const TAction action = Next(CurrentPageName(), stepReady, actionText);
    if (action.move == TMove::Unknown) {
        Services::Messages().Information(NoSelectedForm);
        return;
    }
    if (action.takeAction)
        controller.RemoveValue(ActionKey);
    if (action.move == TMove::ReturnToMain) {
        Board::PutText(controller, QStringLiteral("CHANGE_MODUL"), QStringLiteral("RETURN_TO_MAIN"));
        controller.Notify();
        return;
    }
    const auto prepare = [&controller, action] {
        if (!action.step.isEmpty())
            Board::PutText(controller, StepKey, action.step);
        if (!action.stepReady.isEmpty())
            Board::PutText(controller, StepReadyKey, action.stepReady);
        if (action.closing)
            Board::PutText(controller, QStringLiteral("ERTEKEL"), ClosingText());
    };
    if (action.move == TMove::SamePage) {
        // The birds page serves its second pass itself: it is reset, not replaced.
        auto* page = dynamic_cast<TList_LY_J_Form*>(CurrentPage());
        if (!page)
            return;
        page->PrepareNextPass();
        prepare();
        page->ShowPage();
        return;
    }

    switch (action.page) {
    case TPage::Mindenki: SwitchToPage<TListMindenkiForm>(prepare); break;
    case TPage::Kajak: SwitchToPage<TListKajakForm>(prepare); break;
    case TPage::Szulinap: SwitchToPage<TListSzulinapForm>(prepare); break;
    case TPage::TV: SwitchToPage<TListTVForm>(prepare); break;
    case TPage::MertekCsop: SwitchToPage<TListMertekCsopForm>(prepare); break;
    case TPage::LyJ: SwitchToPage<TList_LY_J_Form>(prepare); break;
    case TPage::ReflexJatek: SwitchToPage<TListReflexJatekForm>(prepare); break;
    case TPage::EditableLB: SwitchToPage<TListEditableLBForm>(prepare); break;
    case TPage::Combo: SwitchToPage<TListComboForm>(prepare); break;
    case TPage::Ertekeles: SwitchToPage<TErtekeles>(prepare); break;
    case TPage::None: break;
    }
}
