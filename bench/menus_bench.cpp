// The sentence game's menu (1 + 6 + 36 + 216 + 1296 items) built, and its cascade opened four
// deep from a window at (170, 200), painted, and a leaf chosen by the keyboard.
#include "support/QuietCourse.h"
#include "support/SentenceMenu.h"

#include "framework/BaseCustForm.h"
#include "framework/Menu.h"
#include "framework/MenuBar.h"
#include "framework/PopupMenu.h"

#include <QTest>
#include <benchmark/benchmark.h>

namespace {

void BM_SentenceMenuBuilt(benchmark::State& state)
{
    for (auto _ : state) {
        TMenu* menu = SentenceMenu();
        benchmark::DoNotOptimize(menu->Root().Item(0).Item(5).Item(5).Item(5).Item(5).Tag);
        delete menu;
    }
}
BENCHMARK(BM_SentenceMenuBuilt)->Unit(benchmark::kMicrosecond);

// Open "Szavak", go down to the last word of every level (the widest, lowest cascade), paint the
// four columns and choose with Enter.
void BM_SentenceCascadeOpenedAndChosen(benchmark::State& state)
{
    TQuietCourse course;
    course.stage->Present();
    auto* page = new QWidget(course.stage->Canvas());
    page->setGeometry(0, 0, 1024, 768);
    page->show();
    auto* window = new TBaseCustForm(page, QStringLiteral("MenuMondatForm"), QStringLiteral("Mondatösszerakósdi"));
    window->SetBounds(QRect(170, 200, 521, 494));
    window->SetMenu(SentenceMenu());
    int chosen = 0;
    window->Menu()->OnChoose = [&](TMenuItem&) { ++chosen; };
    window->Show();
    for (auto _ : state) {
        window->MenuBar()->OpenMenu(0, true);
        for (int level = 0; level < 3; ++level) {
            QTest::keyClick(window, Qt::Key_End);
            QTest::keyClick(window, Qt::Key_Right);
        }
        TPopupMenu* top = TPopupMenu::Current();
        for (int depth = 0; depth < top->Depth(); ++depth)
            top->Column(depth)->repaint();
        QTest::keyClick(window, Qt::Key_Return);
        state.PauseTiming();
        TQuietCourse::Settle();
        state.ResumeTiming();
    }
    state.counters["chosen"] = chosen;
    delete page;
}
BENCHMARK(BM_SentenceCascadeOpenedAndChosen)->Unit(benchmark::kMillisecond);

} // namespace
