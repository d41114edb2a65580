#include "GombModul.h"

#include "ButtonsRoad.h"
#include "GombAcceleratedForm.h"
#include "GombAngolForm.h"
#include "GombEszkoztarakForm.h"
#include "GombFokuszosForm.h"
#include "GombGombForm.h"
#include "GombInaktivForm.h"
#include "GombKerdesekForm.h"
#include "GombKirakoForm.h"
#include "GombSokfalytaForm.h"
#include "GombTabulatorForm.h"
#include "framework/Ertekeles.h"
#include "shell/Board.h"

void TGombModul::StartModule()
{
    SwitchToPage<TGombGombForm>();
}

void TGombModul::Decide()
{
    IModuleController& controller = Controller();

    const QString stepReady = TakeStepReady();

    using namespace ButtonsRoad;
    const TAction action = Next(CurrentPageName(), stepReady);
    const auto closing = [&controller] {
        return ClosingText(Board::Text(controller, QStringLiteral("USERNAME")).value_or(QString()));
    };
    if (!FollowRoad(action.move, action, NoSelectedForm, closing))
        return;

    switch (action.page) {
    case TPage::GombGomb: SwitchToPage<TGombGombForm>(); break;
    case TPage::Sokfalyta: SwitchToPage<TGombSokfalytaForm>(); break;
    case TPage::Fokuszos: SwitchToPage<TGombFokuszosForm>(); break;
    case TPage::Tabulator: SwitchToPage<TGombTabulatorForm>(); break;
    case TPage::Inaktiv: SwitchToPage<TGombInaktivForm>(); break;
    case TPage::Accelerated: SwitchToPage<TGombAcceleratedForm>(); break;
    case TPage::Eszkoztarak: SwitchToPage<TGombEszkoztarakForm>(); break;
    case TPage::Kirako: SwitchToPage<TGombKirakoForm>(); break;
    case TPage::Angol: SwitchToPage<TGombAngolForm>(); break;
    case TPage::Kerdesek: SwitchToPage<TGombKerdesekForm>(); break;
    case TPage::Ertekeles: SwitchToPage<TErtekeles>(); break;
    case TPage::None: break;
    }
}
