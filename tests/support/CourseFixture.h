#pragma once

#include "QtPrinters.h"

#include "framework/BaseForm.h"
#include "platform/FixedDisplayModes.h"
#include "platform/FixedRandom.h"
#include "platform/ManualTime.h"
#include "platform/RecordingKioskSession.h"
#include "platform/RecordingSoundOutput.h"
#include "platform/ScriptedMessageBoxes.h"
#include "platform/Stage.h"
#include "shell/Bitlak.h"
#include "shell/ModulVezerlo.h"

#include <QPoint>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The whole course in-process on the offscreen platform: the real controller, modules and pages,
// with doubles for message boxes, sound, time, randomness and the kiosk measures. Media come from
// the build's res/ (tests run in bin/).
class CourseFixture : public ::testing::Test {
protected:
    CourseFixture();
    ~CourseFixture() override;

    // Starts the course as the program does: the main window's creation and first activation.
    void StartCourse();

    TModulVezerlo& Controller() const { return *bitlak->Controller(); }
    std::optional<QString> BoardText(const QString& key) const;
    // The page on screen (the topmost shown page of the stage).
    TBaseForm* CurrentPage() const;
    QString CurrentPageName() const;
    template <class Page> Page* CurrentPageAs() const { return dynamic_cast<Page*>(CurrentPage()); }
    int PagesAlive() const;

    // Input goes to the widget that has the focus on the current page, as a learner's keys do.
    void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void TypeText(const QString& text);
    void Click(QWidget* widget, QPoint at = QPoint(-1, -1), Qt::MouseButton button = Qt::LeftButton);
    void MoveMouse(QWidget* widget, QPoint at = QPoint(-1, -1));
    // Input as the window system delivers it: to the stage window, which passes it on.
    void TypeOnStage(const QString& text);
    void PressOnStage(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Text the input method composed (a dead key and a letter), committed to the focused control.
    void CommitComposed(const QString& text);
    // A click on the stage at a point of its window (beside the canvas, where it is wider).
    void ClickStage(QPoint at);
    // Runs what the course does after the current event: deferred page destruction, queued calls.
    void Settle();
    // With BITLAK_SCREENSHOTS set to a folder, saves what the learner sees there as name.png.
    void Snapshot(const QString& name) const;

    TScriptedMessageBoxes messages;
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
