#include "MouseCourse.h"
#include "support/PageSoak.h"
#include "support/RandomInput.h"

namespace {

// Each lesson page of the road, reached by the learner's helpful moves, then a seeded stream of
// keys, characters, clicks, double clicks, drags and waits.
class MouseLessonsSoakTest : public MouseCourse, public ::testing::WithParamInterface<int> {
protected:
    static inline const QStringList Lessons = {
        "EgerekForm",          "EgerTipusForm",      "EgerKurzorForm",     "EgerKattInfoForm",
        "EgerKattintForm",     "EgerDragDropForm",   "EgerAHazbaBeForm",   "EgerSzinezoInfoForm",
        "EgerNoraSzinezForm",  "EgerSzabalyokForm",  "EgerEgerfajtakForm", "EgerJatekvalasztasForm"};

    TRandomInput input{*this};
};

TEST_P(MouseLessonsSoakTest, RandomInputOnTheLesson)
{
    OpenMouseTopic();
    const QString start = Lessons.at(GetParam());
    for (int move = 0; move < 400 && CurrentPageName() != start; ++move)
        ASSERT_TRUE(LearnerMoves::Helpful(*this)) << CurrentPageName().toStdString();
    ASSERT_EQ(CurrentPageName(), start);
    input.Seed(4000 + static_cast<unsigned>(GetParam()));
    TPageSoak soak;
    soak.topic = "EGEREZES";
    soak.kinds = {
        {20, [&] {
             input.Key({Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Left,
                        Qt::Key_Up, Qt::Key_F1});
         }},
        {10, [&] { input.Character(QStringLiteral("aL1 ő")); }},
        {25, [&] { input.Click(); }},
        {10, [&] { input.DoubleClick(); }},
        {15, [&] { input.Drag(); }},
        {15, [&] { input.Wait(2000); }},
        {5, [&] { LearnerMoves::Helpful(*this); }},
    };
    soak.Run(*this, input);
}

INSTANTIATE_TEST_SUITE_P(EveryLesson, MouseLessonsSoakTest, ::testing::Range(0, 12));

} // namespace
