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
#include "shell/Board.h"

namespace {
const QString ActionKey = QStringLiteral("ACTION");
} // namespace

void TListaModul::StartModule()
{
    SwitchToPage<TListMindenkiForm>();
}

void TListaModul::Decide()
{
    IModuleController& controller = Controller();

    const QString stepReady = TakeStepReady();
    const QString actionText = Board::Text(controller, ActionKey).value_or(QString());

    using namespace ListsRoad;
    const TAction action = Next(CurrentPageName(), stepReady, actionText);
    if (!FollowRoad(action.move, action, NoSelectedForm, ClosingText))
        return;
    if (action.move == TMove::SamePage) {
        // The birds page serves its second pass itself: it is reset, not replaced.
        auto* page = dynamic_cast<TList_LY_J_Form*>(CurrentPage());
        if (!page)
            return;
        page->PrepareNextPass();
        page->ShowPage();
        return;
    }

    switch (action.page) {
    case TPage::Mindenki: SwitchToPage<TListMindenkiForm>(); break;
    case TPage::Kajak: SwitchToPage<TListKajakForm>(); break;
    case TPage::Szulinap: SwitchToPage<TListSzulinapForm>(); break;
    case TPage::TV: SwitchToPage<TListTVForm>(); break;
    case TPage::MertekCsop: SwitchToPage<TListMertekCsopForm>(); break;
    case TPage::LyJ: SwitchToPage<TList_LY_J_Form>(); break;
    case TPage::ReflexJatek: SwitchToPage<TListReflexJatekForm>(); break;
    case TPage::EditableLB: SwitchToPage<TListEditableLBForm>(); break;
    case TPage::Combo: SwitchToPage<TListComboForm>(); break;
    case TPage::Ertekeles: SwitchToPage<TErtekeles>(); break;
    case TPage::None: break;
    }
}
