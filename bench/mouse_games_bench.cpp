// A tick of each mouse game and a ball carried one step (the pages themselves are timed by
// page_switch).
#include "support/PageBench.h"

#include "framework/ModuleBase.h"
#include "topics/mouse/Ball.h"
#include "topics/mouse/EgerBasketBallForm.h"
#include "topics/mouse/EgerLufipukkForm.h"
#include "topics/mouse/EgervadaszatForm.h"
#include "topics/mouse/LepkevadaszForm.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace {

// The games know their module only by its interface; this one takes their reports and does nothing.
class TBenchModule : public TModuleBase {
public:
    void Notify() override {}

protected:
    void StartModule() override {}
    void Decide() override {}
};

using TGamesBench = TPageBench<TBenchModule>;

// A game page after START (a later round, so without the intro); a new one once the round is over.
template <class Page> struct TRunningGame {
    explicit TRunningGame(TGamesBench& bench, std::function<bool(Page&)> running) : bench_(bench), running_(running)
    {
        Start();
    }
    ~TRunningGame() { page->ClosePage(); }
    void Tick()
    {
        page->Timer1().Fire();
        if (running_(*page))
            return;
        page->ClosePage();
        TGamesBench::Settle();
        Start();
    }
    void Start()
    {
        Board::PutNumber(*bench_.controller, "ROUND", 1);
        Board::PutNumber(*bench_.controller, "TIMERECORD", 60000);
        Board::PutText(*bench_.controller, "ACTION", "LEPKEVADASZ_CONTINUE");
        page = bench_.Show<Page>("LEPKEVADASZ");
        page->imgStart()->OnClick();
    }
    Page* page = nullptr;

private:
    TGamesBench& bench_;
    std::function<bool(Page&)> running_;
};

template <class Page> void Ticks(benchmark::State& state, std::function<bool(Page&)> running)
{
    TGamesBench bench;
    TRunningGame<Page> game(bench, running);
    for (auto _ : state)
        game.Tick();
}

void BM_ButterflyTick(benchmark::State& state)
{
    Ticks<TLepkevadaszForm>(state, [](TLepkevadaszForm& page) { return page.Phase() == "GAME"; });
}
void BM_HuntTick(benchmark::State& state)
{
    Ticks<TEgervadaszatForm>(state, [](TEgervadaszatForm& page) { return page.Round().State() == 8; });
}
void BM_BalloonTick(benchmark::State& state)
{
    Ticks<TEgerLufipukkForm>(state, [](TEgerLufipukkForm& page) { return page.Round().State() == 8; });
}
void BM_BasketballTick(benchmark::State& state)
{
    Ticks<TEgerBasketBallForm>(state, [](TEgerBasketBallForm& page) { return page.Round().State() == 8; });
}
BENCHMARK(BM_ButterflyTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HuntTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BalloonTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BasketballTick)->Unit(benchmark::kMicrosecond);

// One step of a carried ball: six pointer moves, the sixth repositions it (and repaints the page).
void BM_BallDragStep(benchmark::State& state)
{
    TGamesBench bench;
    TRunningGame<TEgerBasketBallForm> game(bench, [](TEgerBasketBallForm&) { return true; });
    TBall& ball = *game.page->Ball(1);
    const QPoint grab(51, 51);
    QTest::mousePress(&ball, Qt::LeftButton, Qt::NoModifier, grab);
    const QPoint places[] = {QPoint(300, 300), QPoint(340, 320)};
    int next = 0;
    for (auto _ : state) {
        const QPoint to = places[next];
        next = 1 - next;
        for (int move = 0; move < 6; ++move) {
            const QPointF at(to - ball.pos() + grab);
            QMouseEvent event(QEvent::MouseMove, at, ball.mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                              Qt::NoModifier);
            QApplication::sendEvent(&ball, &event);
        }
        game.page->repaint();
    }
    QTest::mouseRelease(&ball, Qt::LeftButton, Qt::NoModifier, grab);
}
BENCHMARK(BM_BallDragStep)->Unit(benchmark::kMicrosecond);

} // namespace
