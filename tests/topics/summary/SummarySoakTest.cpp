#include "SummaryCourse.h"
#include "support/PageSoak.h"
#include "support/RandomInput.h"

#include "topics/summary/OsszeFoglBillForm.h"

namespace {

// A seeded learner on each page of the summary's road: keys, characters, clicks, double clicks,
// drags and waits, now and then the page's task done right. Nothing crashes, no window outlives
// its page, the learner stays in the topic or is home.
class SummarySoakTest : public SummaryCourse, public ::testing::WithParamInterface<int> {
protected:
    TRandomInput input{*this, static_cast<unsigned>(GetParam()) * 6151u + 11u};
};

TEST_P(SummarySoakTest, SeededLearnerAlongTheRoad)
{
    OpenSummaryTopic();
    // Walk the road to the GetParam()-th page of the topic, then let the learner loose there.
    TBaseForm* last = CurrentPage();
    for (int pages = 0, move = 0; pages < GetParam() && move < 3000; ++move) {
        ASSERT_TRUE(LearnerMoves::Helpful(*this)) << CurrentPageName().toStdString();
        if (CurrentPage() != last)
            ++pages;
        last = CurrentPage();
    }
    TPageSoak soak;
    soak.topic = "OSSZEFOGL";
    soak.pages = QStringList{"OsszeFoglBillForm",  "OsszefoglBill2Form",  "OsszeFoglEgerForm",  "EgerBasketBallForm",
                             "OsszefoglGombForm",  "OsszefoglGomb2Form",  "OsszefoglJelolForm", "JelAgyuzasForm",
                             "OsszefoglListForm",  "OsszefoglPanelForm",  "OsszefoglPanel2Form", "OsszefoglMenuForm",
                             "Ertekeles"};
    soak.events = 150;
    soak.kinds = {
        {15, [&] {
             input.Key({Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Up, Qt::Key_Down,
                        Qt::Key_Left, Qt::Key_Right, Qt::Key_Alt, Qt::Key_F10, Qt::Key_Backspace, Qt::Key_Delete,
                        Qt::Key_Control},
                       {Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier});
         }},
        {10, [&] { input.Character(QStringLiteral("aéő1 L")); }},
        {30, [&] { input.Click(); }},
        {5, [&] { input.DoubleClick(); }},
        {15, [&] { input.Drag(); }},
        {10, [&] { input.Wait(4000); }},
        {15, [&] { EXPECT_TRUE(LearnerMoves::Helpful(*this)) << CurrentPageName().toStdString(); }},
    };
    soak.Run(*this, input);
}

INSTANTIATE_TEST_SUITE_P(Pages, SummarySoakTest, ::testing::Range(0, 16));

} // namespace
