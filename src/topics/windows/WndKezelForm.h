#pragma once

#include "RepeatCount.h"
#include "WndBaseForm.h"
#include "framework/PracticeWindow.h"
#include "framework/TaskBar.h"

#include <vector>

class TKezelWndForm;
class TPageTimer;
class TSpeedButton;

// The window handling lesson: Nóra's window is moved into the corners, maximised and restored by
// double clicks and by its button, closed (it comes back), put on the imitated task bar and
// fetched back; then Tivadar's window comes, and the learner switches between the two, closes
// Tivadar's and makes Nóra's active again.
class TWndKezelForm : public TWndBaseForm {
    Q_OBJECT
public:
    // The lesson's steps in the order they come; the numbers are the ones the lesson is known by.
    enum class TStep {
        Start = 0,
        TopLeft = 11,
        BottomRight = 12,
        TopRight = 13,
        BottomLeft = 14,
        Middle = 15,
        TitleDoubleClicks = 21,
        SizeButton = 22,
        CloseButton = 23,
        MinimiseButton = 24,
        TaskButton = 25,
        NoraToTaskBar = 32,
        NoraBack = 35,
        Switching = 33,
        TivadarLeaves = 34,
        ActivateNora = 36,
        Menus = 100,
    };

    TWndKezelForm();

    // The task the end of a step gives Nóra's or Tivadar's window, empty where it gives none;
    // what Nóra's window says while a counting step has n more to go; the task bar button's
    // caption of window 1 (Nóra's) or 2 (Tivadar's).
    static QString NoraTask(TStep step);
    static QString TivadarTask(TStep step);
    static QString StillToGo(TStep step, int n);
    static QString WindowName(int tag);

    void ShowPage() override;

    int Step() const { return static_cast<int>(step_); }
    int ActiveWindow() const { return activeWindow_; }
    TKezelWndForm* Window1() const { return window1_; }
    TKezelWndForm* Window2() const { return window2_; }
    TTaskBar* pnlTalca() const { return pnlTalca_; }
    TSpeedButton* sbtnNora() const { return sbtnNora_; }
    TSpeedButton* sbtnTivadar() const { return sbtnTivadar_; }
    TPageTimer* Timer1() const { return timer1_; }

private:
    struct TStepRow;
    static const std::vector<TStepRow>& Steps();
    static const TStepRow* RowOf(TStep step);

    void StepLogic();
    // True when the step is done; a counting step that is not shows what is left.
    bool Done(const TStepRow& row);
    // What the page does when the step is done, before the next step begins.
    void Finish(const TStepRow& row);
    void SetActiveWindow(int tag);
    // The task bar shows which window's button is down: at most one.
    void SetTaskDown(int tag);
    int TaskDown() const;
    void MinimizeRequest();
    void CloseHandler(TPracticeWindow& window, int tag, TPracticeWindow::TCloseAction& action);
    void Timer1Timer();
    void sbtnNoraClick();
    void sbtnTivadarClick();
    void ActivationHandler(int tag);
    void WindowClick();

    TKezelWndForm* window1_;
    TKezelWndForm* window2_;
    TTaskBar* pnlTalca_;
    TSpeedButton* sbtnNora_;
    TSpeedButton* sbtnTivadar_;
    TPageTimer* timer1_;
    TStep step_ = TStep::Start;
    TRepeatCount count_;
    int activeWindow_ = 1;
};
