#pragma once

#include "RepeatCount.h"
#include "WndBaseForm.h"
#include "framework/PracticeWindow.h"

class QLabel;
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
    TWndKezelForm();

    void ShowPage() override;

    int Step() const { return step_; }
    int ActiveWindow() const { return activeWindow_; }
    TKezelWndForm* Window1() const { return window1_; }
    TKezelWndForm* Window2() const { return window2_; }
    QWidget* pnlTalca() const { return pnlTalca_; }
    TSpeedButton* sbtnNora() const { return sbtnNora_; }
    TSpeedButton* sbtnTivadar() const { return sbtnTivadar_; }
    TPageTimer* Timer1() const { return timer1_; }

private:
    void StepLogic();
    bool Count(int limit, const QString& lastTime, const std::function<QString(int)>& stillN);
    void SetActiveWindow(int tag);
    // The task bar shows which window's button is down: at most one.
    void SetTaskDown(int tag);
    void MinimizeRequest();
    void CloseHandler(TPracticeWindow& window, int tag, TPracticeWindow::TCloseAction& action);
    void Timer1Timer();
    void sbtnNoraClick();
    void sbtnTivadarClick();
    void ActivationHandler(int tag);
    void WindowClick();
    void Task1(const QString& text, const QColor& colour);

    TKezelWndForm* window1_;
    TKezelWndForm* window2_;
    QWidget* pnlTalca_;
    TSpeedButton* btnStart_;
    TSpeedButton* sbtnNora_;
    TSpeedButton* sbtnTivadar_;
    QLabel* label1_;
    TPageTimer* timer1_;
    int step_ = 0;
    TRepeatCount count_;
    int activeWindow_ = 1;
    int taskDown_ = 0;
};
