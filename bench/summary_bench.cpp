// The summary's letter hunt from a key to its next target, and a two-name drag between its lists
// (the pages themselves are timed by page_switch).
#include "support/PageBench.h"

#include "framework/DragListBox.h"
#include "topics/summary/OsszefoglBill2Form.h"
#include "topics/summary/OsszefoglListForm.h"
#include "topics/summary/OszzeFoglModul.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

namespace {

using TSummaryBench = TPageBench<TOszzeFoglModul>;

// From the key press of the target to the next target painted; the summary's hunt has no end of
// characters, only of time, and the bench's clock stands still.
void BM_SummaryHuntReaction(benchmark::State& state)
{
    TSummaryBench bench;
    auto* hunt = bench.Show<TOsszefoglBill2Form>();
    SendKey(hunt, QEvent::KeyPress, Qt::Key_Return, "\r");
    SendKey(hunt, QEvent::KeyRelease, Qt::Key_Return, "\r");
    for (auto _ : state) {
        const QString target = hunt->Target();
        SendKey(hunt, QEvent::KeyPress, Qt::Key_A, target);
        hunt->txtBetuMutat()->repaint();
    }
    if (hunt->Errors() != 0 || !hunt->Running())
        state.SkipWithError("a typed target was not taken");
    hunt->ClosePage();
}
BENCHMARK(BM_SummaryHuntReaction)->Unit(benchmark::kMicrosecond);

// Two selected names pressed, carried over the right-hand list and released there.
void BM_SummaryListDrag(benchmark::State& state)
{
    TSummaryBench bench;
    auto* page = bench.Show<TOsszefoglListForm>();
    TDragListBox& from = *page->lbEditable();
    from.addItems({"Aladdin", "Digit Nóra", "Kábel Ödön", "Lemezke", "Nyilacska", "Pixeles Tivadar", "Tárolka"});
    from.item(2)->setSelected(true);
    from.item(3)->setSelected(true);
    const QPoint start = from.visualItemRect(from.item(2)).center();
    const QPoint end =
        from.viewport()->mapFromGlobal(page->lbSimple()->mapToGlobal(page->lbSimple()->rect().center()));
    for (auto _ : state) {
        QTest::mousePress(from.viewport(), Qt::LeftButton, Qt::NoModifier, start);
        for (int step = 1; step <= 8; ++step) {
            const QPoint at = start + (end - start) * step / 8;
            QMouseEvent move(QEvent::MouseMove, QPointF(at), from.viewport()->mapToGlobal(QPointF(at)), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(from.viewport(), &move);
        }
        QTest::mouseRelease(from.viewport(), Qt::LeftButton, Qt::NoModifier, end);
    }
    state.counters["items"] = from.count();
    page->ClosePage();
}
BENCHMARK(BM_SummaryListDrag)->Unit(benchmark::kMicrosecond);

} // namespace
