#include "MouseGamesCourse.h"
#include "MouseGamesMoves.h"

#include "topics/mouse/Ball.h"
#include "topics/mouse/EgerBasketBallForm.h"

#include <QLabel>

namespace {

class EgerBasketBallFormTest : public MouseGamesCourse {
protected:
    TEgerBasketBallForm* ShowGame(std::optional<int> record)
    {
        return ShowWith<TEgerBasketBallForm>("TIMERECORD", record);
    }
    static void Carry(TBall& ball, QPoint topLeft) { MouseGamesMoves::Carry(ball, topLeft); }
    // START, the clock run to the time, every ball into the hoop, one more tick.
    void PlayGame(TEgerBasketBallForm& page, int milliseconds)
    {
        Click(page.imgStart());
        Tick(70, milliseconds / 70);
        for (int n = 1; n <= TEgerBasketBallForm::Balls; ++n)
            Carry(*page.Ball(n), QPoint(450, 270));
        Tick(70);
    }
};

TEST_F(EgerBasketBallFormTest, TheFirstGameShowsTheIntroThenTheBallToStart)
{
    TEgerBasketBallForm* page = ShowGame(std::nullopt);
    ASSERT_NE(page->IntroPicture(), nullptr);
    EXPECT_TRUE(page->IntroPicture()->isVisible());
    EXPECT_EQ(page->IntroPicture()->geometry().center(), QRect(110, 180, 800, 320).center());
    PressKey(Qt::Key_Escape);
    EXPECT_TRUE(Notes().empty());
    Tick(70, 29);
    EXPECT_FALSE(page->IntroPicture()->isVisible());
    EXPECT_EQ(page->imgStart()->geometry(), QRect(458, 382, 103, 103));
    EXPECT_EQ(page->SmallPanel()->pos(), QPoint(415, 20));
    EXPECT_EQ(page->eredmeny()->text(), "Rekord : --:--\nJátékidő : --:--");
    EXPECT_TRUE(Read(page->InfoPanel()).startsWith("Jöhet a játék, méghozzá kosárlabda!"));
    for (int n = 1; n <= 10; ++n) {
        const QRect ball = page->Ball(n)->geometry();
        EXPECT_FALSE(page->Ball(n)->isVisible());
        EXPECT_GE(ball.x(), 103);
        EXPECT_GE(ball.y(), 665);
        EXPECT_LE(ball.y(), 670);
    }
}

TEST_F(EgerBasketBallFormTest, TenBasketsSetTheFirstRecord)
{
    TEgerBasketBallForm* page = ShowGame(std::nullopt);
    Tick(70, 29);
    Click(page->imgStart());
    EXPECT_EQ(sound.PlayedNames().back(), "1_katt2.wav");
    Tick(70, 100);
    EXPECT_EQ(page->eredmeny()->text(), "Rekord: --:--\nJátékidő: 0:7");
    for (int n = 1; n <= 10; ++n) {
        Carry(*page->Ball(n), QPoint(450, 270));
        EXPECT_FALSE(page->Ball(n)->isVisible()) << n;
    }
    EXPECT_EQ(sound.PlayedNames().back(), "2_taps.wav");
    EXPECT_EQ(page->Baskets(), 10);
    Tick(70);
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0].timeRecord, 7000);
    EXPECT_EQ(Notes()[0].ertekel,
              "Feladat: Kosárlabda<BR>Név: Anna<BR>Legjobb idő: --:--<BR>Játék idő: 0:7<BR>Értékelés: Vérbeli "
              "kosaras és egeres vagy!<BR><BR>Ha elolvastad, akkor az L billentyűvel kezdődik a következő fokozat.");
}

TEST_F(EgerBasketBallFormTest, ALaterGameShowsTheRecordAndKeepsTheBest)
{
    TEgerBasketBallForm* page = ShowGame(30000);
    EXPECT_FALSE(BoardText("TIMERECORD"));
    EXPECT_EQ(page->IntroPicture(), nullptr) << "no intro in later games";
    EXPECT_EQ(page->eredmeny()->text(), "Rekord : 0:30\nJátékidő : --:--");
    PlayGame(*page, 21000);
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0].timeRecord, 21000);
    EXPECT_TRUE(Notes()[0].ertekel.contains("Legjobb idő: 0:30<BR>Játék idő: 0:21<BR>Értékelés: Talán kosarazol, "
                                            "hogy ilyen jól megy?!"));

    Games()->Board().RemoveValue("TIMERECORD");
    PlayGame(*ShowGame(5000), 7000);
    ASSERT_EQ(Notes().size(), 2u);
    EXPECT_EQ(Notes()[1].timeRecord, 5000) << "a slower game keeps the record";
}

TEST_F(EgerBasketBallFormTest, AMissedBallFallsAndIsCaughtOnTheWay)
{
    TEgerBasketBallForm* page = ShowGame(1000);
    Click(page->imgStart());
    TBall& ball = *page->Ball(1);
    Carry(ball, QPoint(200, 200));
    EXPECT_EQ(sound.PlayedNames().back(), "2_le.wav");
    EXPECT_EQ(page->FallingBalls(), 1);
    Tick(70);
    EXPECT_EQ(ball.pos(), QPoint(200, 235));
    Press(&ball, QPoint(10, 10));
    Tick(70);
    EXPECT_EQ(page->FallingBalls(), 0);
    EXPECT_EQ(ball.pos(), QPoint(200, 235));
    Release(&ball, QPoint(10, 10));
    EXPECT_EQ(page->FallingBalls(), 1) << "let go again";
    // 13 steps of 35 reach the floor; the next tick finds it there.
    Tick(70, 14);
    EXPECT_EQ(ball.pos(), QPoint(200, 690));
    EXPECT_EQ(page->FallingBalls(), 0);
}

TEST_F(EgerBasketBallFormTest, TheEndPictureStopsTheClock)
{
    TEgerBasketBallForm* page = ShowGame(1000);
    Click(page->imgStart());
    Tick(70, 5);
    Click(page->imgEndGame());
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0].action, "NEXTFORM");
    EXPECT_FALSE(page->Timer1().Enabled());
    Tick(70, 50);
    EXPECT_EQ(Notes().size(), 1u);
}

} // namespace
