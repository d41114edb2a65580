// The puzzle's two pictures sliced into pieces (the pages themselves are timed by page_switch).
#include "support/PageBench.h"

#include "framework/MediaAccess.h"
#include "topics/buttons/GombKirakoForm.h"

namespace {

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
