// The buttons topic's pages built and shown, and the puzzle's two pictures sliced into pieces.
#include "support/PageBench.h"

#include "framework/MediaAccess.h"
#include "topics/buttons/GombAcceleratedForm.h"
#include "topics/buttons/GombAngolForm.h"
#include "topics/buttons/GombEszkoztarakForm.h"
#include "topics/buttons/GombFokuszosForm.h"
#include "topics/buttons/GombGombForm.h"
#include "topics/buttons/GombInaktivForm.h"
#include "topics/buttons/GombKerdesekForm.h"
#include "topics/buttons/GombKirakoForm.h"
#include "topics/buttons/GombModul.h"
#include "topics/buttons/GombSokfalytaForm.h"
#include "topics/buttons/GombTabulatorForm.h"

namespace {

using TButtonsBench = TPageBench<TGombModul>;

template <class Page> void Shown(benchmark::State& state)
{
    PageBuiltAndShown<TButtonsBench, Page>(state, "");
}
void BM_GombGombForm(benchmark::State& state) { Shown<TGombGombForm>(state); }
void BM_GombSokfalytaForm(benchmark::State& state) { Shown<TGombSokfalytaForm>(state); }
void BM_GombFokuszosForm(benchmark::State& state) { Shown<TGombFokuszosForm>(state); }
void BM_GombTabulatorForm(benchmark::State& state) { Shown<TGombTabulatorForm>(state); }
void BM_GombInaktivForm(benchmark::State& state) { Shown<TGombInaktivForm>(state); }
void BM_GombAcceleratedForm(benchmark::State& state) { Shown<TGombAcceleratedForm>(state); }
void BM_GombEszkoztarakForm(benchmark::State& state) { Shown<TGombEszkoztarakForm>(state); }
void BM_GombKirakoForm(benchmark::State& state) { Shown<TGombKirakoForm>(state); }
void BM_GombAngolForm(benchmark::State& state) { Shown<TGombAngolForm>(state); }
void BM_GombKerdesekForm(benchmark::State& state) { Shown<TGombKerdesekForm>(state); }
BENCHMARK(BM_GombGombForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GombSokfalytaForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GombFokuszosForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GombTabulatorForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GombInaktivForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GombAcceleratedForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GombEszkoztarakForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GombKirakoForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GombAngolForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GombKerdesekForm)->Unit(benchmark::kMillisecond);

// Both puzzle pictures read and cut into their nine pieces, as the puzzle page does when built.
void BM_SlicePuzzlePictures(benchmark::State& state)
{
    for (auto _ : state) {
        for (int picture = 1; picture <= 2; ++picture) {
            const QImage whole = LoadBmp(QStringLiteral("gombok\\GombKirakoForm_nagy%1.bmp").arg(picture));
            for (int piece = 1; piece <= 9; ++piece)
                benchmark::DoNotOptimize(TGombKirakoForm::Piece(whole, piece));
        }
    }
}
BENCHMARK(BM_SlicePuzzlePictures)->Unit(benchmark::kMicrosecond);

} // namespace
