#include "SummaryPanelMoves.h"

#include "framework/CheckBox.h"
#include "framework/PushButton.h"
#include "support/Learner.h"
#include "topics/summary/OsszefoglPanel2Form.h"
#include "topics/summary/OsszefoglPanelForm.h"
#include "topics/summary/OsszefoglPanelFrmForm.h"

#include <QPointer>
#include <QTabBar>
#include <QTabWidget>

namespace SummaryPanelMoves {

namespace {

using TCharacter = TOsszefoglPanelFrmForm::TCharacter;

void OpenTab(TLearner& learner, TOsszefoglPanelFrmForm& window, int number)
{
    QTabBar* bar = window.nyomozas()->tabBar();
    learner.Click(bar, bar->tabRect(number - 1).center());
}

// Nyilacska lies in the first round, Tárolka too in the second.
void JudgeEveryone(TLearner& learner, TOsszefoglPanel2Form& page)
{
    TOsszefoglPanelFrmForm& window = *page.Window();
    const int round = page.Step();
    for (int tab = TCharacter::Nora; tab <= TCharacter::Nyilacska && page.Step() == round; ++tab) {
        OpenTab(learner, window, tab);
        const bool lies = tab == TCharacter::Nyilacska || (round == 5 && tab == TCharacter::Tarolka);
        learner.Click(lies ? window.btnHamis() : window.btnIgaz());
    }
}

} // namespace

void DetectiveStep(TLearner& learner, TOsszefoglPanel2Form& page)
{
    TOsszefoglPanelFrmForm& window = *page.Window();
    switch (page.Step()) {
    case 1:
        for (int tab = TCharacter::Nora; tab <= TCharacter::Nyilacska; ++tab)
            OpenTab(learner, window, tab);
        learner.Click(window.ApplyBtn());
        break;
    case 2:
    case 4: learner.Click(window.btnOdonYes()); break;
    case 3:
    case 5: JudgeEveryone(learner, page); break;
    case 6:
        for (int tab = TCharacter::Odon; tab <= TCharacter::Nyilacska; ++tab) {
            const bool culprit = tab == TCharacter::Tarolka || tab == TCharacter::Nyilacska;
            if (window.Check(tab)->isChecked() != culprit)
                learner.Click(window.Check(tab));
        }
        learner.Click(window.ApplyBtn());
        break;
    default: learner.Click(window.OKBtn()); break;
    }
}

bool Helpful(TLearner& learner)
{
    TBaseForm* current = learner.CurrentPage();
    if (auto* page = dynamic_cast<TOsszefoglPanelForm*>(current))
        learner.Click(page->btnTovabb());
    else if (auto* page = dynamic_cast<TOsszefoglPanel2Form*>(current); page && page->Window())
        DetectiveStep(learner, *page);
    else
        return false;
    TLearner::Settle();
    return true;
}

} // namespace SummaryPanelMoves
