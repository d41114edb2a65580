#pragma once

#include "platform/ManualTime.h"
#include "platform/RecordingSoundOutput.h"
#include "platform/ScriptedMessageBoxes.h"
#include "platform/Services.h"
#include "platform/Stage.h"
#include "shell/Board.h"
#include "shell/CourseModules.h"
#include "shell/ModulVezerlo.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>

// A controller with the learner's name, a stage, and a topic module the pages report to.
template <class Module> struct TPageBench {
    TPageBench()
    {
        Services::SetMessages(&messages);
        Services::SetSound(&sound);
        Services::SetTime(&time);
        Services::SetTerminate([] {});
        controller = std::make_shared<TModulVezerlo>(CourseModules(), nullptr);
        module = std::make_shared<Module>();
        module->SetController(controller);
        Board::PutText(*controller, "USERNAME", "Anna");
        stage.Present();
    }
    ~TPageBench()
    {
        Settle();
        Services::SetTerminate(nullptr);
        Services::SetMessages(nullptr);
        Services::SetSound(nullptr);
        Services::SetTime(nullptr);
    }
    template <class Page> Page* Show(const QString& step = QString())
    {
        auto* page = new Page();
        page->SetModule(module);
        if (!step.isEmpty())
            Board::PutText(*controller, "STEP", step);
        page->ShowPage();
        return page;
    }
    static void Settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    TScriptedMessageBoxes messages;
    TRecordingSoundOutput sound;
    TManualTime time;
    TStage stage{true};
    std::shared_ptr<TModulVezerlo> controller;
    std::shared_ptr<Module> module;
};

// Builds, shows and paints the page each round; closing it is not timed.
template <class Bench, class Page> void PageBuiltAndShown(benchmark::State& state, const char* step)
{
    Bench bench;
    for (auto _ : state) {
        Page* page = bench.template Show<Page>(QString::fromUtf8(step));
        page->repaint();
        state.PauseTiming();
        page->ClosePage();
        Bench::Settle();
        state.ResumeTiming();
    }
}
