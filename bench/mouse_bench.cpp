// The mouse topic's lesson, drag and colouring pages built and shown, a car tinted, and one step
// of Nyilacska's drag.
#include "support/PageBench.h"

#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "topics/mouse/EgerAHazbaBeForm.h"
#include "topics/mouse/EgerDragDropForm.h"
#include "topics/mouse/EgerEgerfajtakForm.h"
#include "topics/mouse/EgerJatekvalasztasForm.h"
#include "topics/mouse/EgerKattInfoForm.h"
#include "topics/mouse/EgerKattintForm.h"
#include "topics/mouse/EgerKurzorForm.h"
#include "topics/mouse/EgerModul.h"
#include "topics/mouse/EgerNoraSzinezForm.h"
#include "topics/mouse/EgerSzabalyokForm.h"
#include "topics/mouse/EgerSzinezoInfoForm.h"
#include "topics/mouse/EgerTipusForm.h"
#include "topics/mouse/EgerekForm.h"
#include "topics/mouse/Tinting.h"

#include <QMouseEvent>
#include <QTest>

namespace {

using TMouseBench = TPageBench<TEgerModul>;

template <class Page> void Shown(benchmark::State& state)
{
    PageBuiltAndShown<TMouseBench, Page>(state, "");
}

// The colouring page reads its task from "ACTION".
template <const char* Task> struct TColouringBench : TMouseBench {
    TColouringBench() { Board::PutText(*controller, "ACTION", Task); }
};

constexpr char Car[] = "AUTO";
constexpr char Dress[] = "RUHA";

void BM_EgerekForm(benchmark::State& state) { Shown<TEgerekForm>(state); }
void BM_EgerTipusForm(benchmark::State& state) { Shown<TEgerTipusForm>(state); }
void BM_EgerKurzorForm(benchmark::State& state) { Shown<TEgerKurzorForm>(state); }
void BM_EgerKattInfoForm(benchmark::State& state) { Shown<TEgerKattInfoForm>(state); }
void BM_EgerKattintForm(benchmark::State& state) { Shown<TEgerKattintForm>(state); }
void BM_EgerDragDropForm(benchmark::State& state) { Shown<TEgerDragDropForm>(state); }
void BM_EgerAHazbaBeForm(benchmark::State& state) { Shown<TEgerAHazbaBeForm>(state); }
void BM_EgerSzinezoInfoForm(benchmark::State& state) { Shown<TEgerSzinezoInfoForm>(state); }
void BM_EgerNoraSzinezForm_AUTO(benchmark::State& state)
{
    PageBuiltAndShown<TColouringBench<Car>, TEgerNoraSzinezForm>(state, "");
}
void BM_EgerNoraSzinezForm_RUHA(benchmark::State& state)
{
    PageBuiltAndShown<TColouringBench<Dress>, TEgerNoraSzinezForm>(state, "");
}
void BM_EgerSzabalyokForm(benchmark::State& state) { Shown<TEgerSzabalyokForm>(state); }
void BM_EgerEgerfajtakForm(benchmark::State& state) { Shown<TEgerEgerfajtakForm>(state); }
void BM_EgerJatekvalasztasForm(benchmark::State& state) { Shown<TEgerJatekvalasztasForm>(state); }
BENCHMARK(BM_EgerekForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EgerTipusForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EgerKurzorForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EgerKattInfoForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EgerKattintForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EgerDragDropForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EgerAHazbaBeForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EgerSzinezoInfoForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EgerNoraSzinezForm_AUTO)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EgerNoraSzinezForm_RUHA)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EgerSzabalyokForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EgerEgerfajtakForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EgerJatekvalasztasForm)->Unit(benchmark::kMillisecond);

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
