// The list box topic's pages built and shown, a reflex game's drop, and sorting the birds' list.
#include "support/PageBench.h"

#include "framework/DragListBox.h"
#include "framework/Image.h"
#include "topics/lists/ListComboForm.h"
#include "topics/lists/ListEditableLBForm.h"
#include "topics/lists/ListKajakForm.h"
#include "topics/lists/ListMertekCsopForm.h"
#include "topics/lists/ListMindenkiForm.h"
#include "topics/lists/ListReflexJatekForm.h"
#include "topics/lists/ListSzulinapForm.h"
#include "topics/lists/ListTVForm.h"
#include "topics/lists/List_LY_J_Form.h"
#include "topics/lists/ListaModul.h"

#include <QMouseEvent>
#include <QTest>

namespace {

using TListsBench = TPageBench<TListaModul>;

template <class Page> void Shown(benchmark::State& state, const char* step = "")
{
    PageBuiltAndShown<TListsBench, Page>(state, step);
}
void BM_ListMindenkiForm(benchmark::State& state) { Shown<TListMindenkiForm>(state); }
void BM_ListKajakForm(benchmark::State& state) { Shown<TListKajakForm>(state); }
void BM_ListSzulinapForm(benchmark::State& state) { Shown<TListSzulinapForm>(state); }
void BM_ListTVForm(benchmark::State& state) { Shown<TListTVForm>(state); }
void BM_ListMertekCsopForm(benchmark::State& state) { Shown<TListMertekCsopForm>(state); }
void BM_List_LY_J_Form_SHIFT(benchmark::State& state) { Shown<TList_LY_J_Form>(state, "SHIFT"); }
void BM_List_LY_J_Form_CTRL(benchmark::State& state) { Shown<TList_LY_J_Form>(state, "CTRL"); }
void BM_ListReflexJatekForm(benchmark::State& state) { Shown<TListReflexJatekForm>(state); }
void BM_ListEditableLBForm(benchmark::State& state) { Shown<TListEditableLBForm>(state); }
void BM_ListComboForm(benchmark::State& state) { Shown<TListComboForm>(state); }
BENCHMARK(BM_ListMindenkiForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListKajakForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListSzulinapForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListTVForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListMertekCsopForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_List_LY_J_Form_SHIFT)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_List_LY_J_Form_CTRL)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListReflexJatekForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListEditableLBForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListComboForm)->Unit(benchmark::kMillisecond);

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
