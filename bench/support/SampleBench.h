#pragma once

#include "support/QuietCourse.h"

#include "framework/ModuleBase.h"
#include "platform/EspeakVoice.h"
#include "platform/RecordingVoiceSink.h"
#include "platform/Services.h"
#include "shell/Board.h"
#include "shell/ModuleTable.h"
#include "shell/ModulVezerlo.h"

#include <benchmark/benchmark.h>
#include <memory>

// A sample page's module in the quiet course, reporting to a controller of a learner on the road
// (a name and a grade given); null, with the benchmark skipped, when the module does not switch
// pages as TModuleBase.
inline std::shared_ptr<TModuleBase> SampleModule(benchmark::State& state, TQuietCourse& course,
                                                 const TModuleTable::TRow& row,
                                                 std::shared_ptr<TModulVezerlo>& controller)
{
    course.stage->Present();
    controller = course.MakeController();
    Board::PutText(*controller, "USERNAME", "Anna");
    Board::PutText(*controller, "OSZTALY", "harmadikos");
    auto module = std::dynamic_pointer_cast<TModuleBase>(row.factory());
    if (!module) {
        state.SkipWithError("the module does not switch pages as TModuleBase");
        return nullptr;
    }
    module->SetController(controller);
    return module;
}

// The real voice into a recording sink, in place for the time of one benchmark.
struct TBenchVoice {
    TBenchVoice() { Services::SetVoice(&voice); }
    ~TBenchVoice() { Services::SetVoice(nullptr); }

    TRecordingVoiceSink sink{2};
    TEspeakVoice voice{sink};
};
