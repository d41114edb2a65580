#include "PanelsCourse.h"

#include "framework/BaseForm.h"
#include "support/PageSoak.h"
#include "support/RandomInput.h"

namespace {

const QStringList RoadPages = {"PnlNyomtatForm",         "PnlPanelForm",      "PnlAutosForm",
                               "PnlMemJatekForm",        "PnlKonyvJelzForm",  "PnlFulesPanelForm",
                               "PnlMiniVizsgaIntroForm", "PnlMiniVizsgaForm", "Ertekeles"};

// A seeded stream of keys, characters, clicks, drags, waits and dialog answers (the close and Esc
// included) on each page of the topic.
class PanelsSoakTest : public PanelsCourse, public ::testing::WithParamInterface<int> {
protected:
    int Pick(int n) { return input.Pick(n); }

    void RandomClick()
    {
        if (Pick(4) == 0)
            input.DoubleClick();
        else
            input.Click();
    }

    // Each dialog gets an answer its learner could give: one of its buttons, its title-bar close
    // (Cancel) or Esc.
    void AnswerDialogsAtRandom()
    {
        dialogs.OnShow = [this](const TDialogRequest& dialog) {
            std::vector<TDialogResult> possible = {dialog.buttons == TDialogButtons::Ok ? TDialogResult::Ok
                                                                                        : TDialogResult::Yes};
            if (dialog.buttons != TDialogButtons::Ok)
                possible.push_back(TDialogResult::No);
            if (dialog.buttons == TDialogButtons::YesNoCancel || dialog.closeButton)
                possible.push_back(TDialogResult::Cancel);
            if (dialog.escape != TDialogResult::None)
                possible.push_back(dialog.escape);
            dialogs.AnswerNext(possible[static_cast<std::size_t>(Pick(static_cast<int>(possible.size())))]);
        };
    }

    TRandomInput input{*this, 20261209};
};

TEST_P(PanelsSoakTest, RandomInputOnEveryPage)
{
    OpenPanelsTopic();
    const int stop = GetParam();
    ReachPage(RoadPages.at(std::min<int>(stop, static_cast<int>(RoadPages.size()) - 1)));
    // The last stop is the closing memory game, after the evaluation.
    if (stop == RoadPages.size()) {
        ASSERT_TRUE(LearnerMoves::Helpful(*this));
    }
    ASSERT_FALSE(HasFailure());
    input.Seed(5000 + static_cast<unsigned>(stop));
    AnswerDialogsAtRandom();
    TPageSoak soak;
    soak.topic = "PANELEK";
    soak.pages = RoadPages;
    soak.kinds = {
        {15, [&] { input.Character(QStringLiteral("aÉő5 kL")); }},
        {20, [&] {
             input.Key({Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Left, Qt::Key_Right,
                        Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End},
                       {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier});
         }},
        {25, [&] { RandomClick(); }},
        {15, [&] { input.Drag(); }},
        {15, [&] { input.Wait(5000); }},
        {10, [&] { EXPECT_TRUE(LearnerMoves::Helpful(*this)) << CurrentPageName().toStdString(); }},
    };
    soak.Run(*this, input);
}

INSTANTIATE_TEST_SUITE_P(Pages, PanelsSoakTest, ::testing::Range(0, 10));

} // namespace
