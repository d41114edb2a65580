#include "MouseGamesCourse.h"

#include "framework/ClipPlayer.h"
#include "topics/mouse/EgerBallJobbForm.h"
#include "topics/mouse/EgervadaszatForm.h"

#include <QLabel>

namespace {

class EgervadaszatFormTest : public MouseGamesCourse {
protected:
    TEgervadaszatForm* ShowRound(std::optional<int> round)
    {
        return ShowWith<TEgervadaszatForm>("ROUND", round);
    }
    // Ten targets after START, the first `hits` pressed with their own button.
    void PlayRound(TEgervadaszatForm& page, int hits)
    {
        Click(page.imgStart());
        const std::size_t notes = Notes().size();
        int shown = 0;
        for (int tick = 0; tick < 400 && Notes().size() == notes; ++tick) {
            Tick(200);
            if (Notes().size() == notes && page.Game().Shown() > shown) {
                shown = page.Game().Shown();
                if (shown <= hits)
                    Click(page.imgNyilacska(), QPoint(-1, -1),
                          page.Game().PointsRight() ? Qt::RightButton : Qt::LeftButton);
            }
        }
    }
};

TEST_F(EgervadaszatFormTest, TheRightButtonPageGoesOnWithTheRightButtonOnly)
{
    auto* page = Show<TEgerBallJobbForm>();
    EXPECT_EQ(Read(page->hatter()),
              "Ballal már tudsz kattintani, most következzen a jobb gomb! 10 Nyilacskát látsz majd egymás után. Ha "
              "Nyilacska balra mutat, ballal, ha jobbra, jobbal klikkelj! Most kattints a jobb gombbal az egeret "
              "bemutató rajzon!");
    EXPECT_TRUE(page->jobbBalAnim()->Active());
    EXPECT_TRUE(page->imgToMenu()->isVisible());
    Click(page->imgMouse());
    EXPECT_TRUE(Notes().empty());
    Click(page->imgMouse(), QPoint(-1, -1), Qt::RightButton);
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0].page, "EgerBallJobbForm");
}

TEST_F(EgervadaszatFormTest, FirstRoundIntroThenStartAndTenHitsPassTheLevel)
{
    TEgervadaszatForm* page = ShowRound(std::nullopt);
    EXPECT_EQ(page->Round().State(), 2);
    PressKey(Qt::Key_Escape);
    EXPECT_TRUE(Notes().empty()) << "Esc waits for the intro";
    Tick(200, 11);
    EXPECT_EQ(page->Round().State(), 4);
    EXPECT_EQ(Read(page->InfoPanel()),
              "Ha felkészültél a játékra, az indításhoz kattints a bal egérgombbal a START-ra!");
    EXPECT_TRUE(page->imgStart()->isVisible());
    EXPECT_EQ(page->eredmeny()->text(), "Fokozat: lassú\n--:--");
    Click(page->hatter(), QPoint(600, 600));
    Click(page->imgStart());
    EXPECT_EQ(page->Round().State(), 8);
    EXPECT_FALSE(page->imgNyilacska()->isVisible());
    Tick(200);
    EXPECT_TRUE(page->imgNyilacska()->isVisible()) << "the first target at the first tick";
    EXPECT_EQ(page->eredmeny()->text(), "Fokozat: lassú\n1:0");
    // A wrong button and a click beside it are misses; the target stays.
    Click(page->imgNyilacska(), QPoint(-1, -1), Qt::RightButton);
    Click(page->hatter(), QPoint(1000, 10));
    Tick(200);
    EXPECT_EQ(page->Game().Shown(), 1);
    EXPECT_EQ(page->Game().Misses(), 2) << "the click before START is no miss";
    Click(page->imgNyilacska());
    Click(page->imgNyilacska());
    EXPECT_EQ(page->eredmeny()->text(), "Fokozat: lassú\n1:1");
    int shown = 1;
    for (int tick = 0; tick < 100 && Notes().empty(); ++tick) {
        Tick(200);
        if (Notes().empty() && page->Game().Shown() > shown) {
            shown = page->Game().Shown();
            Click(page->imgNyilacska());
        }
    }
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0].round, 65);
    EXPECT_EQ(Notes()[0].ertekel,
              "Feladat: Jobbra vagy balra<BR>Fokozat: lassú<BR>Név: Anna<BR>Találatok: 10/10<BR>Értékelés: "
              "Fantasztikus, profi vagy!<BR>Mellékattintások: 2<BR>Értékelés: Egész jó! Ismered a bal és jobb "
              "egérgombot!<BR><BR>Ha elolvastad, akkor az L billentyűvel kezdődik a következő fokozat.");
}

TEST_F(EgervadaszatFormTest, ThePassedLevelLeadsToTheNextWithoutIntro)
{
    TEgervadaszatForm* page = ShowRound(65);
    EXPECT_FALSE(BoardText("ROUND"));
    EXPECT_EQ(page->Round().State(), 4);
    EXPECT_EQ(page->eredmeny()->text(), "Fokozat: normál\n--:--");
    Click(page->imgStart());
    EXPECT_EQ(page->Game().StayTime(), 2000);
}

TEST_F(EgervadaszatFormTest, NineHitsRepeatTheLevelAndTenAtTheLastEndIt)
{
    PlayRound(*ShowRound(3), 9);
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0].round, 3);
    EXPECT_TRUE(Notes()[0].ertekel.contains("Fokozat: fürge<BR>Név: Anna<BR>Találatok: 10/9<BR>Értékelés: Óriási, "
                                            "csak egy szökött meg! Legközelebb az is meg lesz!"));

    Games()->Board().RemoveValue("ROUND");
    PlayRound(*ShowRound(64 + 4), 10);
    ASSERT_EQ(Notes().size(), 2u);
    EXPECT_EQ(Notes()[1].round, std::nullopt);
    EXPECT_TRUE(Notes()[1].ertekel.endsWith("Fokozat: villám<BR>Név: Anna<BR>Találatok: 10/10<BR>Értékelés: "
                                            "Fantasztikus, profi vagy!<BR>Mellékattintások: 0<BR>Értékelés: Ez igen! "
                                            "Nem kattintottál mellé!<BR><BR>Ha elolvastad, akkor nyomd meg az L "
                                            "billentyűt!"));
}

TEST_F(EgervadaszatFormTest, EscapeLeavesWithNextForm)
{
    TEgervadaszatForm* page = ShowRound(2);
    Click(page->imgStart());
    Tick(200, 3);
    PressKey(Qt::Key_Escape);
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0].action, "NEXTFORM");
    EXPECT_FALSE(page->Timer1().Enabled());
}

} // namespace
