// A program's window to its first paint, a long paint drag, and the desktop lesson's tick (the
// page itself is timed by page_switch).
#include "support/PageBench.h"

#include "topics/programs/PaintSurface.h"
#include "topics/programs/PrgKalkulalForm.h"
#include "topics/programs/PrgKezelForm.h"
#include "topics/programs/PrgModul.h"
#include "topics/programs/PrgPaintForm.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace {

using TProgramsBench = TPageBench<TPrgModul>;

// The calculator shown over the desktop and painted once; hiding it is not timed.
void BM_CalculatorToFirstPaint(benchmark::State& state)
{
    TProgramsBench bench;
    auto* page = bench.Show<TPrgKezelForm>();
    TPrgKalkulalForm* calc = page->Kalkulator();
    for (auto _ : state) {
        calc->Show();
        calc->repaint();
        state.PauseTiming();
        calc->Hide();
        state.ResumeTiming();
    }
    page->ClosePage();
}
BENCHMARK(BM_CalculatorToFirstPaint)->Unit(benchmark::kMillisecond);

// A press, 200 moves across the drawing surface leaving a print each, and the release.
void BM_PaintDrag200(benchmark::State& state)
{
    TProgramsBench bench;
    auto* page = bench.Show<TPrgKezelForm>();
    TPrgPaintForm* paint = page->Rajzolo();
    paint->Show();
    TPaintSurface* surface = paint->PaintBox();
    const int w = surface->width();
    const int h = surface->height();
    for (auto _ : state) {
        QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        for (int step = 1; step <= 200; ++step) {
            const QPoint at((step * 7) % w, (step * 5) % h);
            QMouseEvent move(QEvent::MouseMove, QPointF(at), surface->mapToGlobal(QPointF(at)), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(surface, &move);
        }
        QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        surface->repaint();
    }
    page->ClosePage();
}
BENCHMARK(BM_PaintDrag200)->Unit(benchmark::kMillisecond);

// The desktop's 200 ms tick: the lesson's time sum and, every ten seconds, the clock.
void BM_DesktopTick(benchmark::State& state)
{
    TProgramsBench bench;
    auto* page = bench.Show<TPrgKezelForm>();
    for (auto _ : state)
        bench.course.time.Advance(200);
    state.counters["step"] = page->Step();
    page->ClosePage();
}
BENCHMARK(BM_DesktopTick)->Unit(benchmark::kMicrosecond);

} // namespace
