#include "support/CourseFixture.h"
#include "support/LearnerMoves.h"

#include "home/ModulValaszt.h"

#include <tuple>

namespace {

// A topic that exists, with the number of pages on its road (from the chooser back to it).
struct TTopic {
    const char* word;
    int roadPages;
};

void PrintTo(const TTopic& topic, std::ostream* out)
{
    *out << topic.word;
}

// A topic that lands adds its row.
const TTopic Topics[] = {{"BILLENTYU", 16}, {"EGEREZES", 27}, {"GOMBOK", 13},     {"JELOLESEK", 16},
                         {"LISTADOBOZOK", 11}, {"PANELEK", 10}, {"ABLAKOK", 6},
                         {"MENUK", 12},        {"PROGRAMOK", 2},    {"OSSZEFOGL", 19}};

using THandOver = std::tuple<TTopic, int, TTopic>; // leave this topic, at this page, then play that one

// Whatever one topic leaves on the board when a learner walks out of it halfway must not change
// the road of the next topic: every topic, left at each page of its road through the back area,
// then the next topic's whole road, page for page as in a course that saw no such visit.
class HandOverTest : public CourseFixture, public ::testing::WithParamInterface<THandOver> {
protected:
    void SetUp() override
    {
        StartCourse();
        ASSERT_TRUE(ActivateStage());
        while (!CurrentPageAs<TModulValaszt>() || CurrentPageAs<TModulValaszt>()->Mode() != TModulValaszt::TMode::Chooser)
            ASSERT_TRUE(LearnerMoves::Helpful(*this)) << CurrentPageName().toStdString();
    }

    // The pages met from choosing the topic until the chooser is back, each new page once.
    QStringList PlayRoad(const char* topic)
    {
        if (!LearnerMoves::Choose(*this, topic))
            return {"no tile for the topic"};
        QStringList road;
        TBaseForm* last = nullptr;
        for (int move = 0; move < 5000; ++move) {
            TBaseForm* page = CurrentPage();
            if (!page)
                return road << "no page";
            if (CurrentPageAs<TModulValaszt>())
                return road;
            if (page != last)
                road << page->GetPageName();
            last = page;
            if (!LearnerMoves::Helpful(*this))
                return road << "no move on " + page->GetPageName();
        }
        return road << "no end";
    }

    // Into the topic, along its road to its stop-th page, and out through the back area; false when
    // that page has none (some lesson pages keep the learner until the task is done).
    void LeaveAt(const char* topic, int stop, bool* left)
    {
        *left = false;
        ASSERT_TRUE(LearnerMoves::Choose(*this, topic));
        TBaseForm* last = CurrentPage();
        for (int pages = 0; pages < stop;) {
            ASSERT_TRUE(LearnerMoves::Helpful(*this)) << CurrentPageName().toStdString();
            ASSERT_EQ(CurrentPageAs<TModulValaszt>(), nullptr) << "the road ended before page " << stop;
            if (CurrentPage() != last)
                ++pages;
            last = CurrentPage();
        }
        TBaseForm* page = CurrentPage();
        *left = LearnerMoves::Leave(*this);
        if (!*left) {
            ASSERT_EQ(CurrentPage(), page) << "a click on the back area of " << page->GetPageName().toStdString();
        }
    }
};

TEST_P(HandOverTest, TheNextTopicsRoadStaysAsItIs)
{
    const auto& [first, stop, second] = GetParam();
    const QStringList fresh = PlayRoad(second.word);
    ASSERT_EQ(fresh.size(), second.roadPages) << fresh.join(", ").toStdString();
    bool left = false;
    LeaveAt(first.word, stop, &left);
    if (!left)
        GTEST_SKIP() << CurrentPageName().toStdString() << " has no back area";
    EXPECT_EQ(PlayRoad(second.word), fresh);
    EXPECT_FALSE(ErrorBoxShown()) << messages.Texts().join(" | ").toStdString();
}

// Each page a topic is left at is followed by the same topic and by one other, the others taken
// in turn, so every pair of topics meets while the table stays a few hundred cases long.
std::vector<THandOver> AllHandOvers()
{
    std::vector<THandOver> cases;
    const int count = int(std::size(Topics));
    for (int first = 0; first < count; ++first)
        for (int stop = 0; stop < Topics[first].roadPages; ++stop) {
            cases.emplace_back(Topics[first], stop, Topics[first]);
            const int other = (first + 1 + stop % (count - 1)) % count;
            cases.emplace_back(Topics[first], stop, Topics[other]);
        }
    return cases;
}

std::string HandOverName(const ::testing::TestParamInfo<THandOver>& info)
{
    const auto& [first, stop, second] = info.param;
    return std::string(first.word) + "_at_" + std::to_string(stop) + "_then_" + second.word;
}

INSTANTIATE_TEST_SUITE_P(Topics, HandOverTest, ::testing::ValuesIn(AllHandOvers()), HandOverName);

} // namespace
