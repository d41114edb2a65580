#include "SummaryMoves.h"

#include "SummaryDragMoves.h"
#include "SummaryMenuMoves.h"
#include "SummaryPanelMoves.h"
#include "SummaryReviewMoves.h"
#include "support/Learner.h"
#include "topics/mouse/EgerBasketBallForm.h"
#include "topics/mouse/MouseGamesMoves.h"
#include "topics/summary/OszzeFoglModul.h"

#include "framework/Image.h"
#include "shell/ModulVezerlo.h"

namespace SummaryMoves {

bool Helpful(TLearner& learner)
{
    if (!std::dynamic_pointer_cast<TOszzeFoglModul>(learner.bitlak->Controller()->CurrentModule()))
        return false;
    if (auto* basketball = learner.CurrentPageAs<TEgerBasketBallForm>()) {
        if (basketball->Round().First())
            return MouseGamesMoves::Helpful(learner);
        learner.Click(basketball->imgEndGame());
        return true;
    }
    return SummaryReviewMoves::Helpful(learner) || SummaryDragMoves::Helpful(learner) ||
           SummaryPanelMoves::Helpful(learner) || SummaryMenuMoves::Helpful(learner);
}

} // namespace SummaryMoves
