#include "MenuModul.h"

#include "MenuAlMenuMForm.h"
#include "MenuAlmenu2MForm.h"
#include "MenuAsztalkaMForm.h"
#include "MenuKedvencMForm.h"
#include "MenuMenuMForm.h"
#include "MenuMondatMForm.h"
#include "MenuPopUp2MForm.h"
#include "MenuPopUpMForm.h"
#include "MenuTornaMForm.h"
#include "MenusRoad.h"
#include "framework/Ertekeles.h"

void TMenuModul::StartModule()
{
    SwitchToPage<TMenuMenuMForm>();
}

void TMenuModul::Decide()
{
    IModuleController& controller = Controller();
    const QString stepReady = TakeStepReady();
    const QString endGameKey = QStringLiteral("END_GAME");
    const bool endGame = controller.GetValue(endGameKey) != nullptr;

    using namespace MenusRoad;
    const TAction action = Next(CurrentPageName(), stepReady, endGame);
    if (action.closing)
        controller.RemoveValue(endGameKey);
    if (!FollowRoad(action.move, action, NoSelectedForm, ClosingText))
        return;
    switch (action.page) {
    case TPage::Menu: SwitchToPage<TMenuMenuMForm>(); break;
    case TPage::Kedvenc: SwitchToPage<TMenuKedvencMForm>(); break;
    case TPage::Asztalka: SwitchToPage<TMenuAsztalkaMForm>(); break;
    case TPage::Torna: SwitchToPage<TMenuTornaMForm>(); break;
    case TPage::AlMenu: SwitchToPage<TMenuAlMenuMForm>(); break;
    case TPage::Almenu2: SwitchToPage<TMenuAlmenu2MForm>(); break;
    case TPage::PopUp: SwitchToPage<TMenuPopUpMForm>(); break;
    case TPage::PopUp2: SwitchToPage<TMenuPopUp2MForm>(); break;
    case TPage::Mondat: SwitchToPage<TMenuMondatMForm>(); break;
    case TPage::Ertekeles: SwitchToPage<TErtekeles>(); break;
    case TPage::None: break;
    }
}
