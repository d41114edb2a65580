#include "EgerModul.h"

#include "EgerAHazbaBeForm.h"
#include "EgerDragDropForm.h"
#include "EgerEgerfajtakForm.h"
#include "EgerJatekvalasztasForm.h"
#include "EgerKattInfoForm.h"
#include "EgerKattintForm.h"
#include "EgerKurzorForm.h"
#include "EgerNoraSzinezForm.h"
#include "EgerSzabalyokForm.h"
#include "EgerSzinezoInfoForm.h"
#include "EgerTipusForm.h"
#include "EgerekForm.h"
#include "MouseRoad.h"
#include "framework/Ertekeles.h"
#include "platform/CourseError.h"
#include "platform/MessageBoxes.h"
#include "platform/Services.h"
#include "shell/Board.h"

namespace {
const QString StepKey = QStringLiteral("STEP");
const QString StepReadyKey = QStringLiteral("STEP_READY");
const QString ActionKey = QStringLiteral("ACTION");
const QString RoundKey = QStringLiteral("ROUND");
const QString ChoiceKey = QStringLiteral("JATEKVALASZT");
const QString RecordKey = QStringLiteral("TIMERECORD");
} // namespace

void TEgerModul::ClearKeys()
{
    ClearProgress();
    IModuleController& controller = Controller();
    for (const QString& key : {ActionKey, RoundKey, ChoiceKey, RecordKey})
        controller.RemoveValue(key);
}

void TEgerModul::StartModule()
{
    ClearKeys();
    SwitchToPage<TEgerekForm>();
}

void TEgerModul::Notify()
{
    // The controller may replace this module during the call.
    auto self = shared_from_this();
    IModuleController& controller = Controller();
    ForwardExit();
    if (controller.GetValue(QStringLiteral("CHANGE_MODUL")))
        ClearKeys();
    if (LeaveOnChangeModul() || !CurrentPage())
        return;

    MouseRoad::TBoard board;
    board.stepReady = TakeStepReady();
    board.action = Board::Text(controller, ActionKey).value_or(QString());
    board.round = controller.GetValue(RoundKey) != nullptr;
    board.choice = Board::Text(controller, ChoiceKey);

    using namespace MouseRoad;
    const TAction action = Next(CurrentPageName(), board);
    switch (action.move) {
    case TMove::Stay: return;
    case TMove::NoChoice: throw TCourseError(NoChoice);
    case TMove::Unknown: Services::Messages().Information(NoSuchPage); return;
    case TMove::SwitchTo: break;
    }
    if (action.removeStep)
        controller.RemoveValue(StepKey);
    if (action.removeAction)
        controller.RemoveValue(ActionKey);
    if (action.removeChoice)
        controller.RemoveValue(ChoiceKey);
    const auto prepare = [&controller, &action] {
        if (!action.step.isEmpty())
            Board::PutText(controller, StepKey, action.step);
        if (!action.action.isEmpty())
            Board::PutText(controller, ActionKey, action.action);
        if (!action.stepReady.isEmpty())
            Board::PutText(controller, StepReadyKey, action.stepReady);
        if (action.closing)
            Board::PutText(controller, QStringLiteral("ERTEKEL"),
                           ClosingText(Board::Text(controller, QStringLiteral("USERNAME")).value_or(QString())));
    };

    switch (action.page) {
    case TPage::Egerek: SwitchToPage<TEgerekForm>(prepare); break;
    case TPage::EgerTipus: SwitchToPage<TEgerTipusForm>(prepare); break;
    case TPage::EgerKurzor: SwitchToPage<TEgerKurzorForm>(prepare); break;
    case TPage::EgerKattInfo: SwitchToPage<TEgerKattInfoForm>(prepare); break;
    case TPage::EgerKattint: SwitchToPage<TEgerKattintForm>(prepare); break;
    case TPage::EgerDragDrop: SwitchToPage<TEgerDragDropForm>(prepare); break;
    case TPage::EgerAHazbaBe: SwitchToPage<TEgerAHazbaBeForm>(prepare); break;
    case TPage::EgerSzinezoInfo: SwitchToPage<TEgerSzinezoInfoForm>(prepare); break;
    case TPage::EgerNoraSzinez: SwitchToPage<TEgerNoraSzinezForm>(prepare); break;
    case TPage::EgerSzabalyok: SwitchToPage<TEgerSzabalyokForm>(prepare); break;
    case TPage::EgerEgerfajtak: SwitchToPage<TEgerEgerfajtakForm>(prepare); break;
    case TPage::EgerJatekvalasztas: SwitchToPage<TEgerJatekvalasztasForm>(prepare); break;
    case TPage::Ertekeles: SwitchToPage<TErtekeles>(prepare); break;
    case TPage::Lepkevadasz:
    case TPage::EgerBallJobb:
    case TPage::Egervadaszat:
    case TPage::DuplaKatt:
    case TPage::EgerLufipukk:
    case TPage::EgerBasketBall:
    case TPage::None: break;
    }
}
