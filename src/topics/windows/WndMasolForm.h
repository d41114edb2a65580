#pragma once

#include "MasolFrom.h"
#include "WndBaseForm.h"

class TPageTimer;

// Moving, copying, selecting and deleting icons between two windows, five tasks in a row; a
// wrong result sets the task up again, a right one leads on 600 ms later.
class TWndMasolForm : public TWndBaseForm {
    Q_OBJECT
public:
    TWndMasolForm();

    // Task 1 to 5: the two windows' title and the task the first one shows.
    static QString TaskTitle(int task);
    static QString TaskText(int task);

    void ShowPage() override;

    int Task() const { return task_; }
    TMasolFrom* Source() const { return source_; }
    TMasolFrom* Target() const { return target_; }
    TPageTimer* Timer() const { return timer_; }

private:
    void Advance();
    void FillSource();
    void Check();
    void Restart();
    void TimerTick();

    TMasolFrom::TShared shared_;
    TMasolFrom* target_;
    TMasolFrom* source_;
    TPageTimer* timer_;
    int task_ = 0;
    int elapsed_ = 0;
};
