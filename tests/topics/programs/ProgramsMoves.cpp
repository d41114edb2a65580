#include "ProgramsMoves.h"

#include "framework/BalloonHint.h"
#include "framework/BaseCustForm.h"
#include "framework/Image.h"
#include "framework/NoraInfoForm.h"
#include "framework/PopupMenu.h"
#include "framework/PushButton.h"
#include "framework/SpeedButton.h"
#include "framework/TaskBar.h"
#include "support/Learner.h"
#include "topics/windows/WindowsMoves.h"
#include "topics/menus/MenusMoves.h"
#include "topics/programs/PrgKezelForm.h"
#include "topics/programs/PrgProgramWindow.h"

#include <QFrame>
#include <QLabel>

namespace ProgramsMoves {

namespace {

void StartPaintFromTheStartMenu(TLearner& learner, TPrgKezelForm& page)
{
    if (!page.StartMenuShown())
        learner.Click(page.pnlTalca()->btnStart());
    learner.Click(page.StartRow(8)); // "Programok"
    MenusMoves::ClickRow(learner, 0, 2); // "Kellékek"
    MenusMoves::ClickRow(learner, 1, 0); // "Rajzoló"
}

} // namespace

bool CloseProgram(TLearner& learner, TPrgKezelForm& page)
{
    for (int program = TBaseProgramokForm::Kalk; program <= TBaseProgramokForm::Edit; ++program) {
        TBaseCustForm* window = page.Window(program);
        if (window && window->isVisible()) {
            WindowsMoves::ClickClose(learner, *window);
            return true;
        }
    }
    return false;
}

void LessonStep(TLearner& learner, TPrgKezelForm& page)
{
    if (CloseProgram(learner, page))
        return;
    switch (page.Step()) {
    case 1: learner.Click(page.InfoWindow()->Button1()); break;
    case 2:
        for (TPushButton* background : {page.btnEgySzin(), page.btnMinta(), page.btnFenykep(), page.btnNext()})
            learner.Click(background);
        break;
    case 3:
    case 4:
        if (TBalloonHint* balloon = TBalloonHint::Current(&page))
            learner.Click(balloon, balloon->Body().center() - balloon->pos());
        learner.time.Advance(400);
        TLearner::Settle();
        break;
    case 5: learner.Click(page.QuickLaunch(TBaseProgramokForm::Kalk)); break;
    case 6: StartPaintFromTheStartMenu(learner, page); break;
    case 9:
        // A click on the icon's picture, then Enter.
        learner.Click(page.IconPicture(TBaseProgramokForm::Edit));
        learner.PressKey(Qt::Key_Return);
        break;
    case 10: learner.DoubleClick(page.IconPicture(TBaseProgramokForm::Kalk)); break;
    case 11:
        learner.Click(page.IconPanel(TBaseProgramokForm::Paint), QPoint(16, 16), Qt::RightButton);
        MenusMoves::ClickRow(learner, 0, 0); // "Megnyitás"
        break;
    case 12: learner.Click(page.btnOk()); break;
    default: break;
    }
}

bool Helpful(TLearner& learner)
{
    auto* page = learner.CurrentPageAs<TPrgKezelForm>();
    if (!page)
        return false;
    LessonStep(learner, *page);
    return true;
}

} // namespace ProgramsMoves
