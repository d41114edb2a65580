#include "SelectionCourse.h"

#include "home/ModulValaszt.h"
#include "support/RandomInput.h"

#include <random>

namespace {

// Every page of the road the topic has: a seeded stream of keys, characters, clicks, drags and
// waits on each, and now and then the page's task done right. Nothing may raise an error or leak a
// page, and the learner stays in the topic or gets back home.
class SelectionSoakTest : public SelectionCourse, public ::testing::WithParamInterface<int> {
protected:
    static constexpr int Events = 150;
    static inline const QStringList Road = {"JelRdBtnForm",      "JelRdCsopForm",    "JelMemIntroForm",
                                            "JelMemRdQuizForm",  "JelChkBoxForm",    "JelChkBox2Form",
                                            "JelChkBoxQuizForm", "JelSpinEdit1Form", "JelSpinEdit2Form",
                                            "JelTreckBarForm",   "JelProgressBarForm", "JelAgyuzasForm"};

    void RandomEvent()
    {
        const int kind = input.Pick(100);
        if (kind < 25)
            input.Key({Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Left, Qt::Key_Right,
                       Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_Delete,
                       Qt::Key_Backspace, Qt::Key_F1, Qt::Key_Insert});
        else if (kind < 40)
            input.Character(QStringLiteral("0159aZ ő-l"));
        else if (kind < 70)
            input.Click();
        else if (kind < 82)
            input.Drag();
        else if (kind < 94)
            input.Wait(2000);
        else
            LearnerMoves::Helpful(*this);
    }

    TRandomInput input{*this};
};

TEST_P(SelectionSoakTest, RandomInputOnThePage)
{
    OpenSelectionTopic();
    const QString start = Road.at(GetParam());
    for (int move = 0; move < 40 && CurrentPageName() != start; ++move)
        ASSERT_TRUE(LearnerMoves::Helpful(*this));
    ASSERT_EQ(CurrentPageName(), start);
    input.Seed(3000 + static_cast<unsigned>(GetParam()));
    for (int i = 0; i < Events; ++i) {
        TBaseForm* page = CurrentPage();
        ASSERT_NE(page, nullptr) << "event " << i;
        const QString name = page->GetPageName();
        if (CurrentPageAs<TModulValaszt>()) {
            ASSERT_TRUE(LearnerMoves::Choose(*this, QStringLiteral("JELOLESEK")));
            continue;
        }
        ASSERT_TRUE(Road.contains(name) || name == "Ertekeles") << name.toStdString();
        RandomEvent();
        ASSERT_EQ(PagesAlive(), 1) << "event " << i << " on " << name.toStdString();
        ASSERT_FALSE(ErrorBoxShown()) << "event " << i << " on " << name.toStdString() << ": "
                                      << messages.Texts().join(" | ").toStdString();
        ASSERT_FALSE(messages.Texts().contains("No selected form ")) << "event " << i;
        ASSERT_EQ(terminations, 0);
        if (auto* spin = CurrentPageAs<TJelSpinEdit1Form>()) {
            const QString text = spin->Edit1()->Text();
            ASSERT_TRUE(std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }))
                << "event " << i << ": " << text.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPage, SelectionSoakTest, ::testing::Range(0, 12));

} // namespace
