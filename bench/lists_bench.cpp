// A reflex game's drop and sorting the birds' list (the pages themselves are timed by
// page_switch).
#include "support/PageBench.h"

#include "framework/DragListBox.h"
#include "framework/Image.h"
#include "topics/lists/ListReflexJatekForm.h"
#include "topics/lists/ListaModul.h"

#include <QMouseEvent>
#include <QTest>

namespace {

using TListsBench = TPageBench<TListaModul>;

// One wrong drop of the game's first task: press, drag over, release on the small list.
void BM_ReflexDrop(benchmark::State& state)
{
    TListsBench bench;
    auto* page = bench.Show<TListReflexJatekForm>();
    page->imgStart()->OnClick();
    TDragListBox& from = *page->lbFrom();
    int row = 0;
    while (row < from.count() && page->TargetWords().contains(from.item(row)->text()))
        ++row;
    const QPoint start = from.visualItemRect(from.item(row)).center();
    const QPoint end = from.viewport()->mapFromGlobal(page->lbTo()->mapToGlobal(page->lbTo()->rect().center()));
    for (auto _ : state) {
        QTest::mousePress(from.viewport(), Qt::LeftButton, Qt::NoModifier, start);
        QMouseEvent move(QEvent::MouseMove, QPointF(end), from.viewport()->mapToGlobal(QPointF(end)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(from.viewport(), &move);
        QTest::mouseRelease(from.viewport(), Qt::LeftButton, Qt::NoModifier, end);
    }
    state.counters["errors"] = page->Errors();
    page->ClosePage();
}
BENCHMARK(BM_ReflexDrop)->Unit(benchmark::kMicrosecond);

// The birds refilled and sorted in Hungarian order, as between the two passes.
void BM_SortBirds(benchmark::State& state)
{
    const QStringList birds = {"Fogoly", "Bagoly", "Karvaly", "Ölyv", "Gólya",
                               "Sólyom", "Papagáj", "Fürj",    "Héja", "Varjú"};
    TDragListBox box(nullptr, QRect(0, 0, 153, 202));
    for (auto _ : state) {
        box.SetSorted(false);
        box.SetItems(birds);
        box.SetSorted(true);
        benchmark::DoNotOptimize(box.count());
    }
}
BENCHMARK(BM_SortBirds)->Unit(benchmark::kMicrosecond);

} // namespace
