#include "JelModul.h"

#include "JelAgyuzasForm.h"
#include "JelChkBox2Form.h"
#include "JelChkBoxForm.h"
#include "JelChkBoxQuizForm.h"
#include "JelMemIntroForm.h"
#include "JelMemRdQuizForm.h"
#include "JelProgressBarForm.h"
#include "JelRdBtnForm.h"
#include "JelRdCsopForm.h"
#include "JelSpinEdit1Form.h"
#include "JelSpinEdit2Form.h"
#include "JelTreckBarForm.h"
#include "SelectionRoad.h"
#include "framework/Ertekeles.h"
#include "shell/Board.h"

namespace {
const QString ActionKey = QStringLiteral("ACTION");
} // namespace

void TJelModul::StartModule()
{
    SwitchToPage<TJelRdBtnForm>();
}

void TJelModul::Decide()
{
    IModuleController& controller = Controller();

    const QString stepReady = TakeStepReady();
    const QString actionText = Board::Text(controller, ActionKey).value_or(QString());

    using namespace SelectionRoad;
    const TAction action = Next(CurrentPageName(), stepReady, actionText);
    if (!FollowRoad(action.move, action, NoSelectedForm, ClosingText))
        return;

    switch (action.page) {
    case TPage::RdBtn: SwitchToPage<TJelRdBtnForm>(); break;
    case TPage::RdCsop: SwitchToPage<TJelRdCsopForm>(); break;
    case TPage::MemIntro: SwitchToPage<TJelMemIntroForm>(); break;
    case TPage::MemRdQuiz: SwitchToPage<TJelMemRdQuizForm>(); break;
    case TPage::ChkBox: SwitchToPage<TJelChkBoxForm>(); break;
    case TPage::ChkBox2: SwitchToPage<TJelChkBox2Form>(); break;
    case TPage::ChkBoxQuiz: SwitchToPage<TJelChkBoxQuizForm>(); break;
    case TPage::SpinEdit1: SwitchToPage<TJelSpinEdit1Form>(); break;
    case TPage::SpinEdit2: SwitchToPage<TJelSpinEdit2Form>(); break;
    case TPage::TreckBar: SwitchToPage<TJelTreckBarForm>(); break;
    case TPage::ProgressBar: SwitchToPage<TJelProgressBarForm>(); break;
    case TPage::Agyuzas: SwitchToPage<TJelAgyuzasForm>(); break;
    case TPage::Ertekeles: SwitchToPage<TErtekeles>(); break;
    case TPage::None: break;
    }
}
