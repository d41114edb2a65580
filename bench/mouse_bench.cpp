// A car tinted and one step of Nyilacska's drag (the pages themselves are timed by page_switch).
#include "support/PageBench.h"

#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "topics/mouse/EgerAHazbaBeForm.h"
#include "topics/mouse/EgerModul.h"
#include "topics/mouse/EgerNoraSzinezForm.h"
#include "topics/mouse/Tinting.h"

#include <QMouseEvent>
#include <QTest>

namespace {

using TMouseBench = TPageBench<TEgerModul>;

// The colouring page reads its task from "ACTION".
template <const char* Task> struct TColouringBench : TMouseBench {
    TColouringBench() { Board::PutText(*controller, "ACTION", Task); }
};

constexpr char Car[] = "AUTO";

// The car (486 x 114) tinted from its shading, as a drop does.
void BM_CarTint(benchmark::State& state)
{
    TColouringBench<Car> bench;
    auto* page = bench.Show<TEgerNoraSzinezForm>();
    const QImage base = LoadPng("egerezes\\EgerNoraSzinezForm_auto_alap.png");
    const QImage shading = LoadPng("egerezes\\EgerNoraSzinezForm_auto_alfa.png");
    for (auto _ : state)
        benchmark::DoNotOptimize(Tinting::Tint(base, shading, QColor(5, 167, 255)));
    page->ClosePage();
}
BENCHMARK(BM_CarTint)->Unit(benchmark::kMicrosecond);

// One move of the dragged Nyilacska, back and forth clear of the margins.
void BM_NyilacskaDragStep(benchmark::State& state)
{
    TMouseBench bench;
    auto* page = bench.Show<TEgerAHazbaBeForm>();
    page->imgStart()->OnClick();
    TImage* nyilacska = page->imgNyilacska();
    QTest::mousePress(nyilacska, Qt::LeftButton, Qt::NoModifier, QPoint(80, 120));
    int step = 0;
    for (auto _ : state) {
        const QPoint at(80 + (step++ % 2 ? 3 : -3), 120);
        QMouseEvent move(QEvent::MouseMove, QPointF(at), nyilacska->mapToGlobal(QPointF(at)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(nyilacska, &move);
    }
    QTest::mouseRelease(nyilacska, Qt::LeftButton, Qt::NoModifier, QPoint(80, 120));
    page->ClosePage();
}
BENCHMARK(BM_NyilacskaDragStep)->Unit(benchmark::kMicrosecond);

} // namespace
