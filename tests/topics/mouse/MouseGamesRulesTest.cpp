#include "platform/FixedRandom.h"
#include "topics/mouse/Ball.h"
#include "topics/mouse/GameObject.h"
#include "topics/mouse/GameRound.h"
#include "topics/mouse/HuntGame.h"
#include "topics/mouse/Lufi.h"
#include "topics/mouse/MouseResults.h"

#include <gtest/gtest.h>

namespace {

using TStep = TGameRound::TStep;

TEST(GameRoundTest, TheRoundValueDecidesLevelAndIntro)
{
    const TGameRound first = TGameRound::FromRound(std::nullopt);
    EXPECT_EQ(first.Level(), 1);
    EXPECT_EQ(first.State(), 1);
    EXPECT_EQ(first.Step(), TStep::Intro);

    const TGameRound again = TGameRound::FromRound(3);
    EXPECT_EQ(again.Level(), 3);
    EXPECT_EQ(again.State(), 1);
    EXPECT_EQ(again.Step(), TStep::Info) << "no intro after the first round";

    const TGameRound next = TGameRound::FromRound(64 + 4);
    EXPECT_EQ(next.Level(), 5);
    EXPECT_EQ(next.State(), 65);
    EXPECT_EQ(next.Step(), TStep::Info);

    EXPECT_EQ(TGameRound(true).Step(), TStep::Intro);
    EXPECT_EQ(TGameRound(false).Step(), TStep::Info);
}

TEST(GameRoundTest, APassedLevelLeadsOnUntilTheLast)
{
    EXPECT_EQ(TGameRound::FromRound(std::nullopt).NextRound(false), 1);
    EXPECT_EQ(TGameRound::FromRound(std::nullopt).NextRound(true), 65);
    EXPECT_EQ(TGameRound::FromRound(64 + 3).NextRound(true), 68);
    EXPECT_EQ(TGameRound::FromRound(64 + 4).NextRound(false), 5);
    EXPECT_EQ(TGameRound::FromRound(64 + 4).NextRound(true), std::nullopt);
}

TEST(ButterflyFlightTest, StepsRoundUpwardsAndCeilSideways)
{
    // 29 + 1 = 30 degrees: sin × 7 is a hair below 3.5 and rounds to 3; cos × 7 = 6.06 goes up to 7.
    TFixedRandom random({1});
    TGameObject butterfly(random);
    butterfly.NewFlight();
    EXPECT_EQ(butterfly.StartPoint(), QPoint(201, 768));
    EXPECT_EQ(butterfly.Direction(), 30);
    EXPECT_EQ(butterfly.Speed(), 7);
    EXPECT_EQ(butterfly.LegLength(), 21);
    EXPECT_EQ(butterfly.StepY(), 3);
    EXPECT_EQ(butterfly.StepX(), 7);
    // Leftwards the ceiling is towards zero: cos × 21 = -18.19 gives -18.
    TFixedRandom leftwards({121});
    TGameObject other(leftwards);
    other.SetLevel(3);
    other.NewFlight();
    EXPECT_EQ(other.Direction(), 150);
    EXPECT_EQ(other.StepY(), 10);
    EXPECT_EQ(other.StepX(), -18);
}

TEST(ButterflyFlightTest, StraightUpAtLevelFiveEscapesOverTheTop)
{
    TFixedRandom random({61}); // 90 degrees, every leg
    TGameObject butterfly(random);
    butterfly.SetLevel(5);
    butterfly.SetSize(QSize(64, 56));
    butterfly.NewFlight();
    EXPECT_EQ(butterfly.Speed(), 35);
    EXPECT_EQ(butterfly.StepX(), 1) << "cos 90° is a hair above zero";
    for (int tick = 1; tick <= 23; ++tick)
        butterfly.Move();
    EXPECT_EQ(butterfly.State(), TGameObject::TState::Flying);
    EXPECT_EQ(butterfly.Place().topLeft(), QPoint(284, 768 - 23 * 35));
    butterfly.Move();
    EXPECT_EQ(butterfly.State(), TGameObject::TState::Escaped);
    EXPECT_FALSE(butterfly.Catch()) << "an escaped butterfly is not caught";
    butterfly.Restart();
    EXPECT_EQ(butterfly.State(), TGameObject::TState::Waiting);
    EXPECT_EQ(butterfly.Place().topLeft(), QPoint(261, 768));
}

TEST(HuntGameTest, TargetsComeAtTheFirstTickAndStayTheirTime)
{
    THuntGame game(1);
    game.Start();
    EXPECT_EQ(game.Tick(200), THuntGame::TTick::NewTarget);
    for (int tick = 0; tick < 20; ++tick)
        ASSERT_EQ(game.Tick(200), THuntGame::TTick::Waiting) << tick;
    EXPECT_EQ(game.Tick(200), THuntGame::TTick::NewTarget) << "4000 ms passed";
    EXPECT_EQ(game.Shown(), 2);
    const int stays[] = {4000, 2000, 1333, 1000, 800};
    for (int level = 1; level <= 5; ++level)
        EXPECT_EQ(THuntGame(level).StayTime(), stays[level - 1]);
}

TEST(HuntGameTest, TheButtonDecidesAndAHitCountsOnce)
{
    TFixedRandom random({0, 0, 4, 551, 860, 5});
    THuntGame game(5);
    game.Start();
    game.Tick(200);
    EXPECT_EQ(game.PlaceTarget(random, QSize(162, 215)), QPoint(1, 1));
    EXPECT_FALSE(game.PointsRight());
    EXPECT_EQ(game.Press(Qt::RightButton), THuntGame::TPress::Miss);
    EXPECT_EQ(game.Tick(200), THuntGame::TTick::Waiting) << "a miss leaves the target";
    EXPECT_EQ(game.Press(Qt::LeftButton), THuntGame::TPress::Hit);
    EXPECT_EQ(game.Press(Qt::LeftButton), THuntGame::TPress::Ignored);
    EXPECT_EQ(game.Press(Qt::RightButton), THuntGame::TPress::Ignored);
    EXPECT_EQ(game.Hits(), 1);
    EXPECT_EQ(game.Misses(), 1);
    EXPECT_EQ(game.Tick(200), THuntGame::TTick::NewTarget) << "a hit brings the next at once";
    // The farthest place still lies on the page: right edge 1023, bottom 767.
    EXPECT_EQ(game.PlaceTarget(random, QSize(162, 215)), QPoint(861, 552));
    EXPECT_TRUE(game.PointsRight());
    EXPECT_EQ(game.Press(Qt::RightButton), THuntGame::TPress::Hit);
}

TEST(BalloonTest, SpeedsAndPlaces)
{
    const auto speed = [](int draw, int level) {
        TFixedRandom random({draw});
        return TLufi::DrawSpeed(random, level);
    };
    EXPECT_EQ(speed(0, 1), 4);
    EXPECT_EQ(speed(3999999, 1), 4);
    EXPECT_EQ(speed(4000000, 1), 5);
    EXPECT_EQ(speed(4999999, 1), 5);
    EXPECT_EQ(speed(13999999, 3), 14);
    EXPECT_EQ(speed(14999999, 3), 15);
    EXPECT_EQ(speed(24999999, 5), 15);
    TFixedRandom least({0});
    EXPECT_EQ(TLufi::DrawLeft(least), 150);
    TFixedRandom most({599999});
    EXPECT_EQ(TLufi::DrawLeft(most), 749);
}

TEST(BalloonTest, EscapesOnceEntirelyAboveTheScreen)
{
    TLufi balloon(nullptr);
    balloon.SetSpeed(8);
    balloon.move(300, -219);
    EXPECT_FALSE(balloon.Rise());
    EXPECT_EQ(balloon.pos(), QPoint(300, -227));
    EXPECT_TRUE(balloon.Rise());
}

TEST(BallTest, StartPlacesRoundHalvesToEven)
{
    const auto place = [](int left, int top) {
        TFixedRandom random({left, top});
        return TBall::DrawPlace(random);
    };
    EXPECT_EQ(place(0, 0), QPoint(103, 665));
    EXPECT_EQ(place(8209999, 49999), QPoint(821, 670));
    EXPECT_EQ(place(1035000, 25000), QPoint(104, 667));
    EXPECT_EQ(place(1045000, 35000), QPoint(104, 669));
}

TEST(BallTest, TheHoopsEdges)
{
    EXPECT_TRUE(TBall::InHoop(QRect(410, 268, 103, 103)));
    EXPECT_TRUE(TBall::InHoop(QRect(532, 283, 103, 103)));
    EXPECT_FALSE(TBall::InHoop(QRect(533, 268, 103, 103))) << "right edge 636";
    EXPECT_FALSE(TBall::InHoop(QRect(409, 268, 103, 103)));
    EXPECT_FALSE(TBall::InHoop(QRect(410, 267, 103, 103)));
    EXPECT_FALSE(TBall::InHoop(QRect(410, 284, 103, 103))) << "bottom 6 below";
}

TEST(BallTest, FollowsEverySixthMoveAndFallsWhenMissed)
{
    TBall ball(nullptr);
    ball.move(300, 300);
    ball.Press(QPoint(50, 50));
    for (int move = 1; move <= 5; ++move)
        EXPECT_FALSE(ball.Drag(QPoint(60, 40)));
    EXPECT_TRUE(ball.Drag(QPoint(60, 40)));
    EXPECT_EQ(ball.pos(), QPoint(310, 290));
    EXPECT_EQ(ball.Release(), TBall::TRelease::Miss);
    EXPECT_EQ(ball.Release(), TBall::TRelease::NotCarried);
    EXPECT_TRUE(ball.Falling());
    ball.Fall();
    EXPECT_EQ(ball.pos(), QPoint(310, 325));
    ball.Press(QPoint(10, 10));
    EXPECT_FALSE(ball.Falling()) << "caught while falling";
    ball.move(410, 270);
    EXPECT_EQ(ball.Release(), TBall::TRelease::Basket);
}

TEST(BallTest, FallsToTheFloorAndStops)
{
    TBall ball(nullptr);
    ball.move(500, 600);
    ball.Press(QPoint(0, 0));
    ball.Release();
    ball.Fall();
    EXPECT_EQ(ball.y(), 635);
    ball.Fall();
    EXPECT_EQ(ball.y(), 670);
    ball.Fall();
    EXPECT_EQ(ball.y(), 670);
    EXPECT_FALSE(ball.Falling());
    // On the floor the ball goes up, not down or sideways.
    ball.Press(QPoint(50, 50));
    for (int move = 0; move < 6; ++move)
        ball.Drag(QPoint(90, 90));
    EXPECT_EQ(ball.pos(), QPoint(500, 670));
    for (int move = 0; move < 6; ++move)
        ball.Drag(QPoint(90, 10));
    EXPECT_EQ(ball.pos(), QPoint(500, 630));
}

TEST(MouseResultsTest, TimesStopAt255Minutes)
{
    EXPECT_EQ(MouseResults::TimeText(0), "0:0");
    EXPECT_EQ(MouseResults::TimeText(7999), "0:7");
    EXPECT_EQ(MouseResults::TimeText(83000), "1:23");
    EXPECT_EQ(MouseResults::TimeText(255 * 60000 + 59999), "255:59");
    EXPECT_EQ(MouseResults::TimeText(300 * 60000), "255:59");
}

TEST(MouseResultsTest, RatingsAtTheirBounds)
{
    EXPECT_EQ(MouseResults::ButterflyRating(9), "Óriási, csak egy szökött meg!");
    EXPECT_EQ(MouseResults::HuntHitRating(2), "Sokkal pontosabban célozz!");
    EXPECT_EQ(MouseResults::HuntHitRating(3), "Próbálj pontosabban kattintani!");
    EXPECT_EQ(MouseResults::HuntMissRating(9), "Hűha, kevered a bal- és a jobbgombot!");
    EXPECT_EQ(MouseResults::HuntMissRating(11), "10-ből 10 mellé, ugye csak szórakozol!?");
    EXPECT_EQ(MouseResults::BasketRating(15999), "Vérbeli kosaras és egeres vagy!");
    EXPECT_EQ(MouseResults::BasketRating(16000), "Bravó, te aztán ügyes vagy, nagyon gyors a kezed!");
    EXPECT_EQ(MouseResults::BasketRating(49999), "Legyél igazi kosaras!");
    EXPECT_EQ(MouseResults::BasketRating(50000), "Biztosan laposak voltak a lasztik, pörögj fel!");
}

} // namespace
