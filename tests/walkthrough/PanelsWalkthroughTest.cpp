#include "topics/panels/PanelsCourse.h"
#include "topics/panels/PnlMemJatekForm.h"
#include "framework/Image.h"

#include <QStringList>

namespace {
class PanelsWalkthroughTest : public PanelsCourse {
protected:
    // Helpful moves until the page on screen changes; its name then.
    QString NextPage()
    {
        const QString at = CurrentPageName();
        for (int move = 0; move < 100 && CurrentPageName() == at; ++move)
            if (!LearnerMoves::Helpful(*this))
                break;
        return CurrentPageName();
    }
};
} // namespace

TEST_F(PanelsWalkthroughTest, WholeRoadWithTheMemoryGamePlayedTwiceEndsAtTheChooser)
{
    OpenPanelsTopic();
    QStringList road{CurrentPageName()};
    // The first memory game is played twice: "Igen" after the first 18 pairs, the default "Nem" after the second.
    dialogs.OnShow = [this](const TDialogRequest& dialog) {
        if (dialog.text == QStringLiteral("Szeretnél még játszani?") && CurrentPageAs<TPnlMemJatekForm>()
            && CurrentPageAs<TPnlMemJatekForm>()->Games() == 1)
            dialogs.AnswerNext(TDialogResult::Yes);
    };
    while (road.size() < 12 && road.back() != "ModulValaszt")
        road << NextPage();
    EXPECT_EQ(road, (QStringList{"PnlNyomtatForm", "PnlPanelForm", "PnlAutosForm", "PnlMemJatekForm",
                                 "PnlKonyvJelzForm", "PnlFulesPanelForm", "PnlMiniVizsgaIntroForm", "PnlMiniVizsgaForm",
                                 "Ertekeles", "PnlMemJatekForm", "ModulValaszt"}));
    EXPECT_EQ(Controller().GetValue(QStringLiteral("ACTION")), nullptr);
    EXPECT_FALSE(ErrorBoxShown());
    EXPECT_EQ(PagesAlive(), 1);
}

TEST_F(PanelsWalkthroughTest, ClosingGameLeftByTheBackSign)
{
    OpenPanelsTopic();
    while (CurrentPageName() != "Ertekeles" && !HasFailure())
        ASSERT_FALSE(NextPage().isEmpty());
    ASSERT_EQ(NextPage(), "PnlMemJatekForm");
    Click(CurrentPageAs<TPnlMemJatekForm>()->imgToMain());
    EXPECT_EQ(CurrentPageName(), "ModulValaszt");
    EXPECT_EQ(Controller().GetValue(QStringLiteral("ACTION")), nullptr);
}
