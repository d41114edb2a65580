#include "MouseGamesMoves.h"

#include "support/Learner.h"
#include "topics/mouse/Ball.h"
#include "topics/mouse/DuplaKattForm.h"
#include "topics/mouse/EgerBallJobbForm.h"
#include "topics/mouse/EgerBasketBallForm.h"
#include "topics/mouse/EgerLufipukkForm.h"
#include "topics/mouse/EgervadaszatForm.h"
#include "topics/mouse/LepkevadaszForm.h"
#include "topics/mouse/Lufi.h"
#include "topics/mouse/MyAnim.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace MouseGamesMoves {

namespace {

// Long enough for any intro (2 s at most).
constexpr int IntroWait = 2100;

void Wait(TLearner& learner, int milliseconds)
{
    learner.time.Advance(milliseconds);
    TLearner::Settle();
}

bool Butterfly(TLearner& learner, TLepkevadaszForm& page)
{
    const QString phase = page.Phase();
    if (phase == QStringLiteral("INTRO"))
        Wait(learner, IntroWait);
    else if (phase == QStringLiteral("INFO"))
        learner.Click(page.imgStart());
    else if (phase == QStringLiteral("GAME") && page.Butterfly().OnTheWing())
        learner.Click(page.ButterflyPicture(), QPoint(2, 2));
    else
        Wait(learner, page.Timer1().Interval());
    return true;
}

// The intro waited out or START clicked; false once the game runs.
bool Opening(TLearner& learner, TRoundGameForm& page)
{
    const int state = page.Round().State();
    if (state == TGameRound::IntroPhase)
        Wait(learner, IntroWait);
    else if (state == TGameRound::InfoPhase)
        learner.Click(page.imgStart());
    else
        return false;
    return true;
}

bool Hunt(TLearner& learner, TEgervadaszatForm& page)
{
    if (Opening(learner, page))
        return true;
    if (page.Round().InPhase(TGameRound::GamePhase) && page.imgNyilacska()->isVisible() && !page.Game().TargetHit())
        learner.Click(page.imgNyilacska(), QPoint(-1, -1),
                      page.Game().PointsRight() ? Qt::RightButton : Qt::LeftButton);
    else
        Wait(learner, page.Timer1().Interval());
    return true;
}

bool Balloons(TLearner& learner, TEgerLufipukkForm& page)
{
    if (Opening(learner, page))
        return true;
    for (int n = 1; n <= TEgerLufipukkForm::Balloons && page.Round().InPhase(TGameRound::GamePhase); ++n) {
        if (page.Balloon(n)->isEnabled()) {
            learner.DoubleClick(page.Balloon(n));
            return true;
        }
    }
    Wait(learner, page.Timer1().Interval());
    return true;
}

bool Basketball(TLearner& learner, TEgerBasketBallForm& page)
{
    if (Opening(learner, page))
        return true;
    for (int n = 1; n <= TEgerBasketBallForm::Balls && page.Round().InPhase(TGameRound::GamePhase); ++n) {
        if (page.Ball(n)->isEnabled()) {
            Carry(*page.Ball(n), QPoint(450, 270));
            return true;
        }
    }
    Wait(learner, page.Timer1().Interval());
    return true;
}

} // namespace

void Carry(TBall& ball, QPoint topLeft)
{
    const QPoint grab(51, 51);
    QTest::mousePress(&ball, Qt::LeftButton, Qt::NoModifier, grab);
    // Every sixth move moves the ball; one from the floor only lifts it.
    for (int move = 0; move < 60 && ball.pos() != topLeft; ++move) {
        const QPointF at(topLeft - ball.pos() + grab);
        QMouseEvent event(QEvent::MouseMove, at, ball.mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&ball, &event);
    }
    QTest::mouseRelease(&ball, Qt::LeftButton, Qt::NoModifier, topLeft - ball.pos() + grab);
    TLearner::Settle();
}

bool Helpful(TLearner& learner)
{
    TBaseForm* shown = learner.CurrentPage();
    if (auto* page = dynamic_cast<TLepkevadaszForm*>(shown))
        return Butterfly(learner, *page);
    if (auto* page = dynamic_cast<TEgervadaszatForm*>(shown))
        return Hunt(learner, *page);
    if (auto* page = dynamic_cast<TEgerLufipukkForm*>(shown))
        return Balloons(learner, *page);
    if (auto* page = dynamic_cast<TEgerBasketBallForm*>(shown))
        return Basketball(learner, *page);
    if (auto* page = dynamic_cast<TEgerBallJobbForm*>(shown)) {
        learner.Click(page->imgMouse(), QPoint(-1, -1), Qt::RightButton);
        return true;
    }
    if (auto* page = dynamic_cast<TDuplaKattForm*>(shown)) {
        learner.Click(page->Character(3), QPoint(-1, -1), Qt::RightButton);
        return true;
    }
    return false;
}

} // namespace MouseGamesMoves
