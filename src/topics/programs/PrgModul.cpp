#include "PrgModul.h"

#include "PrgKezelForm.h"
#include "ProgramsRoad.h"
#include "framework/Ertekeles.h"

void TPrgModul::StartModule()
{
    SwitchToPage<TPrgKezelForm>();
}

void TPrgModul::Decide()
{
    using namespace ProgramsRoad;
    const TAction action = Next(CurrentPageName(), TakeStepReady());
    if (!FollowRoad(action.move, action, NoSelectedForm, ClosingText))
        return;
    switch (action.page) {
    case TPage::Kezel: SwitchToPage<TPrgKezelForm>(); break;
    case TPage::Ertekeles: SwitchToPage<TErtekeles>(); break;
    case TPage::None: break;
    }
}
