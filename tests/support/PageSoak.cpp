#include "PageSoak.h"

#include "Learner.h"
#include "LearnerMoves.h"
#include "RandomInput.h"

#include "home/ModulValaszt.h"

#include <gtest/gtest.h>
#include <numeric>

namespace {

// Messages a module raises when its road has no page for what the board says.
const QStringList RoadFaults = {QStringLiteral("No selected form "), QStringLiteral("MAIN screen has no this page! ")};

} // namespace

QStringList TPageSoak::Run(TLearner& learner, TRandomInput& input) const
{
    QStringList visited;
    const int total = std::accumulate(kinds.begin(), kinds.end(), 0,
                                      [](int sum, const TKind& kind) { return sum + kind.weight; });
    const QString first = learner.CurrentPageName();
    for (int i = 0; i < events; ++i) {
        if (onePage && learner.CurrentPageName() != first)
            break;
        TBaseForm* page = learner.CurrentPage();
        if (!page || learner.CurrentPageAs<TModulValaszt>()) {
            if (comeBack)
                comeBack();
            else
                EXPECT_TRUE(LearnerMoves::Choose(learner, topic)) << topic.toStdString();
            if (::testing::Test::HasFailure())
                break;
            continue;
        }
        const QString name = page->GetPageName();
        if (!visited.contains(name))
            visited << name;
        if (!pages.isEmpty() && !pages.contains(name)) {
            ADD_FAILURE() << "event " << i << ": left the topic for " << name.toStdString();
            break;
        }

        int pick = input.Pick(total);
        for (const TKind& kind : kinds) {
            if (pick < kind.weight) {
                kind.event();
                break;
            }
            pick -= kind.weight;
        }

        if (afterEvent)
            afterEvent(i);
        const std::string where = "event " + std::to_string(i) + " on " + name.toStdString();
        EXPECT_FALSE(learner.ErrorBoxShown()) << where << ": " << learner.messages.Texts().join(" | ").toStdString();
        for (const QString& fault : RoadFaults)
            EXPECT_FALSE(learner.messages.Texts().contains(fault)) << where;
        EXPECT_EQ(learner.terminations, 0) << where;
        // A topic that brings the learner back itself may be left without a page for a moment.
        if (comeBack)
            EXPECT_LE(learner.PagesAlive(), 1) << where;
        else
            EXPECT_EQ(learner.PagesAlive(), 1) << where;
        if (::testing::Test::HasFailure())
            break;
    }
    return visited;
}
