#include "OszzeFoglModul.h"

#include "OsszeFoglBillForm.h"
#include "OsszeFoglEgerForm.h"
#include "OsszefoglBill2Form.h"
#include "OsszefoglGomb2Form.h"
#include "OsszefoglGombForm.h"
#include "OsszefoglJelolForm.h"
#include "OsszefoglListForm.h"
#include "OsszefoglMenuForm.h"
#include "OsszefoglPanel2Form.h"
#include "OsszefoglPanelForm.h"
#include "SummaryRoad.h"
#include "framework/Ertekeles.h"
#include "shell/Board.h"
#include "topics/mouse/EgerBasketBallForm.h"
#include "topics/selection/JelAgyuzasForm.h"

void TOszzeFoglModul::StartModule()
{
    SwitchToPage<TOsszeFoglBillForm>();
}

void TOszzeFoglModul::Decide()
{
    const QString stepReady = TakeStepReady();
    const QString actionText = Board::Text(Controller(), QStringLiteral("ACTION")).value_or(QString());

    using namespace SummaryRoad;
    const TAction action = Next(CurrentPageName(), stepReady, actionText);
    if (!FollowRoad(action.move, action, NoSelectedForm, ClosingText))
        return;
    switch (action.page) {
    case TPage::Bill: SwitchToPage<TOsszeFoglBillForm>(); break;
    case TPage::Bill2: SwitchToPage<TOsszefoglBill2Form>(); break;
    case TPage::Eger: SwitchToPage<TOsszeFoglEgerForm>(); break;
    case TPage::BasketBall: SwitchToPage<TEgerBasketBallForm>(); break;
    case TPage::Gomb: SwitchToPage<TOsszefoglGombForm>(); break;
    case TPage::Gomb2: SwitchToPage<TOsszefoglGomb2Form>(); break;
    case TPage::Jelol: SwitchToPage<TOsszefoglJelolForm>(); break;
    case TPage::Agyuzas: SwitchToPage<TJelAgyuzasForm>(); break;
    case TPage::List: SwitchToPage<TOsszefoglListForm>(); break;
    case TPage::Panel: SwitchToPage<TOsszefoglPanelForm>(); break;
    case TPage::Panel2: SwitchToPage<TOsszefoglPanel2Form>(); break;
    case TPage::Menu: SwitchToPage<TOsszefoglMenuForm>(); break;
    case TPage::Ertekeles: SwitchToPage<TErtekeles>(); break;
    case TPage::None: break;
    }
}
