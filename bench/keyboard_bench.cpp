// The practice page's next step and the letter hunt's answer to a typed target (the pages
// themselves are timed by page_switch).
#include "support/PageBench.h"

#include "shell/Board.h"
#include "topics/keyboard/Betuvadaszat.h"
#include "topics/keyboard/BillentyuModul.h"
#include "topics/keyboard/Billentyuzet.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <benchmark/benchmark.h>

namespace {

// The keyboard module, with the learner's grade on the board.
struct TKeyboardBench : TPageBench<TBillentyuModul> {
    TKeyboardBench() { Board::PutText(*controller, "OSZTALY", "harmadikos"); }
};

// The practice page shown again for its next step: text redrawn, hands moved.
void BM_PracticeNextStep(benchmark::State& state)
{
    TKeyboardBench bench;
    auto* page = bench.Show<TBillentyuzet>("T");
    const char* steps[] = {"CAPSLOCK", "SHIFT", "T"};
    int next = 0;
    for (auto _ : state) {
        Board::PutText(*bench.controller, "STEP", steps[next]);
        next = (next + 1) % 3;
        page->ShowPage();
        page->repaint();
    }
    page->ClosePage();
}
BENCHMARK(BM_PracticeNextStep)->Unit(benchmark::kMicrosecond);

// From the key press of the target to the next target painted in its panel.
void BM_HuntReaction(benchmark::State& state)
{
    TKeyboardBench bench;
    TBetuvadaszat* hunt = bench.Show<TBetuvadaszat>("R3");
    SendKey(hunt, QEvent::KeyPress, Qt::Key_Return, "\r");
    SendKey(hunt, QEvent::KeyRelease, Qt::Key_Return, "\r");
    for (auto _ : state) {
        if (hunt->LetterCounter() >= 10) {
            // Shown again, the running hunt counts from its first target.
            state.PauseTiming();
            hunt->ShowPage();
            state.ResumeTiming();
        }
        const QString target = hunt->Target();
        SendKey(hunt, QEvent::KeyPress, Qt::Key_A, target);
        hunt->txtBetuMutat()->repaint();
    }
    if (hunt->Errors() != 0 || !hunt->Running())
        state.SkipWithError("a typed target was not taken");
    hunt->ClosePage();
}
BENCHMARK(BM_HuntReaction)->Unit(benchmark::kMicrosecond);

} // namespace
