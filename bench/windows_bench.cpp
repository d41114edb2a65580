// A long title drag and maximise with restore (the pages themselves are timed by page_switch).
#include "support/PageBench.h"

#include "framework/KezelWndForm.h"
#include "topics/windows/WindowsModul.h"
#include "topics/windows/WndKezelForm.h"
#include "topics/windows/WndMunkaterForm.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace {

using TWindowsBench = TPageBench<TWindowsModul>;

// Window 1 dragged by its title in 200 steps across the screen and back, held on it at the edges.
void BM_TitleDrag200(benchmark::State& state)
{
    TWindowsBench bench;
    auto* page = bench.Show<TWndKezelForm>();
    TKezelWndForm& window = *page->Window1();
    const QPoint from(window.width() / 3, 10);
    for (auto _ : state) {
        const QPoint start = window.mapToGlobal(from);
        QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, from);
        for (int step = 1; step <= 200; ++step) {
            const QPoint global = start + QPoint((step % 100) * 9 - 450, (step % 50) * 12 - 300);
            QMouseEvent move(QEvent::MouseMove, QPointF(window.mapFromGlobal(global)), QPointF(global), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&window, &move);
        }
        QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, window.mapFromGlobal(start));
    }
    state.counters["left"] = window.Left();
    page->ClosePage();
}
BENCHMARK(BM_TitleDrag200)->Unit(benchmark::kMillisecond);

// Maximise and restore of a practice window that no lesson watches, its client laid out anew.
void BM_MaximiseRestore(benchmark::State& state)
{
    TWindowsBench bench;
    auto* page = bench.Show<TWndMunkaterForm>();
    TKezelWndForm& window = *page->Window();
    window.AllowMaximize = true;
    int carried = 0;
    for (auto _ : state) {
        carried += window.SystemCommand(TPracticeWindow::TCommand::Maximize);
        carried += window.SystemCommand(TPracticeWindow::TCommand::Restore);
    }
    state.counters["carried"] = carried;
    page->ClosePage();
}
BENCHMARK(BM_MaximiseRestore)->Unit(benchmark::kMicrosecond);

} // namespace
