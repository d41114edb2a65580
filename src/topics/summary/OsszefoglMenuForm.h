#pragma once

#include "framework/BaseBillForm.h"
#include "platform/PageTimer.h"

class QLabel;
class TMenuItem;
class TOsszefoglMenuFrmForm;
class TPushButton;

// The menu search: its window first reviews the parts of a window, then asks ten times for
// "Fekete Péter" along a menu path against the clock; time and wrong choices go to the evaluation.
// After the first run the learner may play again or leave the topic by "Tovább".
class TOsszefoglMenuForm : public TBaseBillForm {
    Q_OBJECT
public:
    TOsszefoglMenuForm();

    void ShowPage() override;
    void ClosePage() override;

    TOsszefoglMenuFrmForm* Window() const { return window_; }
    QLabel* oraDesc() const { return oraDesc_; }
    QLabel* ora() const { return ora_; }
    TPageTimer& Timer1() { return timer1_; }

    // 1: the review, 2: START offered, 3 to 12: a target each, 13: done.
    int MenuStep() const { return menuStep_; }
    int Errors() const { return errors_; }
    int Seconds() const { return seconds_; }
    bool FirstMenuVisit() const { return firstMenuVisit_; }
    const QString& Target() const { return target_; }

    // The clock stops at the largest time "mm:ss" can show.
    static constexpr int MaxSeconds = 255 * 60 + 59;

private:
    void Advance();
    void ButtonClick(TPushButton* sender);
    void ItemClick(const TMenuItem& item);
    void Timer1Timer();
    void Finish();

    QLabel* oraDesc_;
    QLabel* ora_;
    TPageTimer timer1_;
    TOsszefoglMenuFrmForm* window_;
    int menuStep_ = 0;
    int errors_ = 0;
    int seconds_ = 0;
    bool firstMenuVisit_ = true;
    QString target_;
};
