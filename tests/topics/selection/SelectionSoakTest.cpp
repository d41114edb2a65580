#include "SelectionCourse.h"

#include "home/ModulValaszt.h"
#include "support/PageSoak.h"
#include "support/RandomInput.h"

#include <random>

namespace {

// Every page of the road the topic has: a seeded stream of keys, characters, clicks, drags and
// waits on each, and now and then the page's task done right.
class SelectionSoakTest : public SelectionCourse, public ::testing::WithParamInterface<int> {
protected:
    static inline const QStringList Road = {"JelRdBtnForm",      "JelRdCsopForm",    "JelMemIntroForm",
                                            "JelMemRdQuizForm",  "JelChkBoxForm",    "JelChkBox2Form",
                                            "JelChkBoxQuizForm", "JelSpinEdit1Form", "JelSpinEdit2Form",
                                            "JelTreckBarForm",   "JelProgressBarForm", "JelAgyuzasForm"};

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
    TPageSoak soak;
    soak.topic = "JELOLESEK";
    soak.pages = Road + QStringList{"Ertekeles"};
    soak.kinds = {
        {25, [&] {
             input.Key({Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Left, Qt::Key_Right,
                        Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_Delete,
                        Qt::Key_Backspace, Qt::Key_F1, Qt::Key_Insert});
         }},
        {15, [&] { input.Character(QStringLiteral("0159aZ ő-l")); }},
        {30, [&] { input.Click(); }},
        {12, [&] { input.Drag(); }},
        {12, [&] { input.Wait(2000); }},
        {6, [&] { LearnerMoves::Helpful(*this); }},
    };
    // The spin edit takes digits only, whatever is typed.
    soak.afterEvent = [&](int event) {
        if (auto* spin = CurrentPageAs<TJelSpinEdit1Form>()) {
            const QString text = spin->Edit1()->Text();
            EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }))
                << "event " << event << ": " << text.toStdString();
        }
    };
    soak.Run(*this, input);
}

INSTANTIATE_TEST_SUITE_P(EveryPage, SelectionSoakTest, ::testing::Range(0, 12));

} // namespace
