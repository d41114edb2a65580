#pragma once

#include "support/QuietCourse.h"

#include "shell/Board.h"

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>
#include <memory>

// A key event sent to the target; every one carries its own time stamp, as the keyboard's do.
inline void SendKey(QWidget* target, QEvent::Type type, int key, const QString& text = QString())
{
    static quint64 stamp = 0;
    QKeyEvent event(type, key, Qt::NoModifier, text);
    event.setTimestamp(++stamp);
    QApplication::sendEvent(target, &event);
}

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
