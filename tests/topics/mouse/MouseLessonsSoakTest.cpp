#include "MouseCourse.h"
#include "support/RandomInput.h"

namespace {

// Each lesson page of the road, reached by the learner's helpful moves, then a seeded stream of
// keys, characters, clicks, double clicks, drags and waits: no error, no leaked page, and the
// learner stays in the topic or gets back home.
class MouseLessonsSoakTest : public MouseCourse, public ::testing::WithParamInterface<int> {
protected:
    static constexpr int Events = 150;
    static inline const QStringList Lessons = {
        "EgerekForm",          "EgerTipusForm",      "EgerKurzorForm",     "EgerKattInfoForm",
        "EgerKattintForm",     "EgerDragDropForm",   "EgerAHazbaBeForm",   "EgerSzinezoInfoForm",
        "EgerNoraSzinezForm",  "EgerSzabalyokForm",  "EgerEgerfajtakForm", "EgerJatekvalasztasForm"};

    void RandomEvent()
    {
        const int kind = input.Pick(100);
        if (kind < 20)
            input.Key({Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Left,
                       Qt::Key_Up, Qt::Key_F1});
        else if (kind < 30)
            input.Character(QStringLiteral("aL1 ő"));
        else if (kind < 55)
            input.Click();
        else if (kind < 65)
            input.DoubleClick();
        else if (kind < 80)
            input.Drag();
        else if (kind < 95)
            input.Wait(2000);
        else
            LearnerMoves::Helpful(*this);
    }

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
    for (int i = 0; i < Events; ++i) {
        const QString name = CurrentPageName();
        if (CurrentPageAs<TModulValaszt>()) {
            ASSERT_TRUE(LearnerMoves::Choose(*this, QStringLiteral("EGEREZES")));
            continue;
        }
        RandomEvent();
        ASSERT_EQ(PagesAlive(), 1) << "event " << i << " on " << name.toStdString();
        ASSERT_FALSE(ErrorBoxShown()) << "event " << i << " on " << name.toStdString() << ": "
                                      << messages.Texts().join(" | ").toStdString();
        ASSERT_FALSE(messages.Texts().contains("MAIN screen has no this page! ")) << "event " << i;
        ASSERT_EQ(terminations, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLesson, MouseLessonsSoakTest, ::testing::Range(0, 12));

} // namespace
