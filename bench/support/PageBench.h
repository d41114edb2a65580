#pragma once

#include "support/QuietCourse.h"

#include "shell/Board.h"

#include <benchmark/benchmark.h>
#include <memory>

// The quiet course's controller with the learner's name, and a topic module the pages report to.
template <class Module> struct TPageBench {
    TPageBench()
    {
        module->SetController(controller);
        Board::PutText(*controller, "USERNAME", "Anna");
        course.stage->Present();
    }
    ~TPageBench() { Settle(); }
    template <class Page> Page* Show(const QString& step = QString())
    {
        auto* page = new Page();
        page->SetModule(module);
        if (!step.isEmpty())
            Board::PutText(*controller, "STEP", step);
        page->ShowPage();
        return page;
    }
    static void Settle() { TQuietCourse::Settle(); }

    TQuietCourse course;
    std::shared_ptr<TModulVezerlo> controller = course.MakeController();
    std::shared_ptr<Module> module = std::make_shared<Module>();
};
