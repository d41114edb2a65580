#pragma once

#include "platform/FixedDisplayModes.h"
#include "platform/FixedRandom.h"
#include "platform/ManualTime.h"
#include "platform/RecordingKioskSession.h"
#include "platform/RecordingSoundOutput.h"
#include "platform/ScriptedMessageBoxes.h"
#include "platform/ScriptedMessageDialogs.h"
#include "platform/Stage.h"
#include "shell/Bitlak.h"
#include "shell/ModuleTable.h"
#include "shell/ModulVezerlo.h"

#include <functional>
#include <memory>

// The whole course in-process with nothing reaching the desktop, for tests and benchmarks alike:
// the real controller, modules and pages, with doubles for message boxes, sound, time, randomness,
// termination and the kiosk measures, on a stage of the offscreen platform. Media come from the
// build's res/ (test and benchmark programs run beside it).
class TQuietCourse {
public:
    TQuietCourse();
    ~TQuietCourse();
    TQuietCourse(const TQuietCourse&) = delete;
    TQuietCourse& operator=(const TQuietCourse&) = delete;

    // The course's module table with the rows extendModules adds.
    TModuleTable Modules() const;
    // A controller over that table, as the main window makes one.
    std::shared_ptr<TModulVezerlo> MakeController() const;
    // Starts the course as the program does: the main window's creation and first activation.
    void StartCourse();
    // Runs what the course does after the current event: deferred page destruction, queued calls.
    static void Settle();

    TScriptedMessageBoxes messages;
    TScriptedMessageDialogs dialogs;
    TRecordingSoundOutput sound;
    TManualTime time;
    TFixedRandom random{{0}};
    TRecordingKioskSession kiosk;
    TFixedDisplayModes display{{{1024, 768, 32, 60}}};
    std::unique_ptr<TStage> stage;
    std::unique_ptr<TBitlak> bitlak;
    int terminations = 0;
    // Rows a test adds to the course's module table (stand-in topics).
    std::function<void(TModuleTable&)> extendModules;
};
