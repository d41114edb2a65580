#include "SummaryReviewMoves.h"

#include "framework/PushButton.h"
#include "support/Learner.h"
#include "topics/summary/OsszeFoglBillForm.h"
#include "topics/summary/OsszeFoglEgerForm.h"
#include "topics/summary/OsszefoglBill2Form.h"
#include "topics/summary/OsszefoglGombForm.h"
#include "topics/summary/OsszefoglJelolForm.h"

#include <QLabel>

namespace SummaryReviewMoves {

namespace {

// The hunt: "Tovább" once it shows; else Enter to start, then each target typed as it comes with a
// second between them, until the time is up.
void Hunt(TLearner& learner, TOsszefoglBill2Form& hunt)
{
    if (hunt.btnTovabb()->isVisible()) {
        learner.Click(hunt.btnTovabb());
    } else if (!hunt.Running()) {
        learner.PressKey(Qt::Key_Return);
    } else {
        if (!hunt.txtBetuMutat()->text().isEmpty())
            learner.TypeText(hunt.txtBetuMutat()->text());
        learner.time.Advance(1000);
        TLearner::Settle(); // the last second may have closed the page
    }
}

} // namespace

bool Helpful(TLearner& learner)
{
    if (auto* hunt = learner.CurrentPageAs<TOsszefoglBill2Form>())
        Hunt(learner, *hunt);
    else if (auto* keyboard = learner.CurrentPageAs<TOsszeFoglBillForm>())
        learner.Click(keyboard->btnTovabb());
    else if (auto* mouse = learner.CurrentPageAs<TOsszeFoglEgerForm>())
        learner.Click(mouse->btnTovabb());
    else if (auto* buttons = learner.CurrentPageAs<TOsszefoglGombForm>())
        learner.Click(buttons->btnTovabb());
    else if (auto* selection = learner.CurrentPageAs<TOsszefoglJelolForm>())
        learner.Click(selection->btnTovabb());
    else
        return false;
    return true;
}

} // namespace SummaryReviewMoves
