#include "EgerModul.h"

#include "DuplaKattForm.h"
#include "EgerAHazbaBeForm.h"
#include "EgerBallJobbForm.h"
#include "EgerBasketBallForm.h"
#include "EgerDragDropForm.h"
#include "EgerEgerfajtakForm.h"
#include "EgerJatekvalasztasForm.h"
#include "EgerKattInfoForm.h"
#include "EgerKattintForm.h"
#include "EgerKurzorForm.h"
#include "EgerLufipukkForm.h"
#include "EgerNoraSzinezForm.h"
#include "EgerSzabalyokForm.h"
#include "EgerSzinezoInfoForm.h"
#include "EgerTipusForm.h"
#include "EgerekForm.h"
#include "EgervadaszatForm.h"
#include "LepkevadaszForm.h"
#include "MouseRoad.h"
#include "framework/Ertekeles.h"
#include "platform/CourseError.h"
#include "shell/Board.h"

namespace {
const QString StepKey = QStringLiteral("STEP");
const QString ActionKey = QStringLiteral("ACTION");
const QString RoundKey = QStringLiteral("ROUND");
const QString ChoiceKey = QStringLiteral("JATEKVALASZT");
} // namespace

void TEgerModul::StartModule()
{
    SwitchToPage<TEgerekForm>();
}

void TEgerModul::Decide()
{
    IModuleController& controller = Controller();

    MouseRoad::TBoard board;
    board.stepReady = TakeStepReady();
    board.action = Board::Text(controller, ActionKey).value_or(QString());
    board.round = controller.GetValue(RoundKey) != nullptr;
    board.choice = Board::Text(controller, ChoiceKey);

    using namespace MouseRoad;
    const TAction action = Next(CurrentPageName(), board);
    if (action.stay)
        return;
    if (action.noChoice)
        throw TCourseError(NoChoice);
    if (action.removeStep)
        controller.RemoveValue(StepKey);
    if (action.removeChoice)
        controller.RemoveValue(ChoiceKey);
    const auto closing = [&controller] {
        return ClosingText(Board::Text(controller, QStringLiteral("USERNAME")).value_or(QString()));
    };
    if (!FollowRoad(action.move, action, NoSuchPage, closing))
        return;

    switch (action.page) {
    case TPage::Egerek: SwitchToPage<TEgerekForm>(); break;
    case TPage::EgerTipus: SwitchToPage<TEgerTipusForm>(); break;
    case TPage::EgerKurzor: SwitchToPage<TEgerKurzorForm>(); break;
    case TPage::EgerKattInfo: SwitchToPage<TEgerKattInfoForm>(); break;
    case TPage::EgerKattint: SwitchToPage<TEgerKattintForm>(); break;
    case TPage::Lepkevadasz: SwitchToPage<TLepkevadaszForm>(); break;
    case TPage::EgerBallJobb: SwitchToPage<TEgerBallJobbForm>(); break;
    case TPage::Egervadaszat: SwitchToPage<TEgervadaszatForm>(); break;
    case TPage::DuplaKatt: SwitchToPage<TDuplaKattForm>(); break;
    case TPage::EgerLufipukk: SwitchToPage<TEgerLufipukkForm>(); break;
    case TPage::EgerDragDrop: SwitchToPage<TEgerDragDropForm>(); break;
    case TPage::EgerAHazbaBe: SwitchToPage<TEgerAHazbaBeForm>(); break;
    case TPage::EgerBasketBall: SwitchToPage<TEgerBasketBallForm>(); break;
    case TPage::EgerSzinezoInfo: SwitchToPage<TEgerSzinezoInfoForm>(); break;
    case TPage::EgerNoraSzinez: SwitchToPage<TEgerNoraSzinezForm>(); break;
    case TPage::EgerSzabalyok: SwitchToPage<TEgerSzabalyokForm>(); break;
    case TPage::EgerEgerfajtak: SwitchToPage<TEgerEgerfajtakForm>(); break;
    case TPage::EgerJatekvalasztas: SwitchToPage<TEgerJatekvalasztasForm>(); break;
    case TPage::Ertekeles: SwitchToPage<TErtekeles>(); break;
    case TPage::None: break;
    }
}
