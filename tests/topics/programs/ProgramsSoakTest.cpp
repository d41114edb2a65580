#include "ProgramsCourse.h"
#include "support/PageSoak.h"
#include "support/RandomInput.h"

namespace {

// A seeded learner on the desktop at each step: keys, characters, left and right clicks, double
// clicks and drags anywhere, waits, now and then the step done right. At most one program is on
// screen, the page's note of an open program says whether one is, and the lesson never runs past
// its last step.
class ProgramsSoakTest : public ProgramsCourse, public ::testing::WithParamInterface<int> {
protected:
    TRandomInput input{*this, static_cast<unsigned>(GetParam()) * 7919u + 5u};
};

TEST_P(ProgramsSoakTest, SeededLearnerOnTheDesktop)
{
    const int steps[] = {1, 2, 3, 4, 5, 6, 9, 10, 11, 12};
    ASSERT_NE(ReachStep(steps[GetParam()]), nullptr);
    TPageSoak soak;
    soak.topic = "PROGRAMOK";
    soak.pages = QStringList{"PrgKezelForm", "Ertekeles"};
    soak.events = 200;
    soak.kinds = {
        {15, [&] {
             input.Key({Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Up, Qt::Key_Down,
                        Qt::Key_Alt, Qt::Key_F10, Qt::Key_Menu, Qt::Key_Backspace, Qt::Key_Delete},
                       {Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier, Qt::AltModifier});
         }},
        {10, [&] { input.Character(QStringLiteral("0123456789a+-?ő ")); }},
        {30, [&] { input.Click(); }},
        {10, [&] { input.DoubleClick(); }},
        {10, [&] { input.Drag(); }},
        {10, [&] { input.Wait(3000); }},
        {15, [&] { EXPECT_TRUE(LearnerMoves::Helpful(*this)) << CurrentPageName().toStdString(); }},
    };
    soak.afterEvent = [&](int event) {
        const auto* page = CurrentPageAs<TPrgKezelForm>();
        if (!page)
            return;
        const int visible = ProgramsVisible(*page);
        EXPECT_LE(visible, 1) << "event " << event;
        EXPECT_EQ(page->ProgramOpen(), visible == 1) << "event " << event << " at step " << page->Step();
        EXPECT_LE(page->Step(), 12) << "event " << event;
    };
    soak.Run(*this, input);
}

INSTANTIATE_TEST_SUITE_P(Steps, ProgramsSoakTest, ::testing::Range(0, 10));

} // namespace
