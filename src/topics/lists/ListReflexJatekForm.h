#pragma once

#include "ListBaseForm.h"

#include <QList>
#include <QStringList>

class QLabel;
class TDragListBox;
class TImage;
class TPageTimer;

// The reflex game: ten words from the word file; the words the label names are selected and
// dragged into the small list, nine times, against the clock. The last right drop hands the
// evaluation to the module, which closes the page.
class TListReflexJatekForm : public TListBaseForm {
    Q_OBJECT
public:
    static constexpr int Tick = 500;

    TListReflexJatekForm();

    static QString Instruction();

    void ShowPage() override;

    TImage* imgStart() const { return imgStart_; }
    QLabel* lblSzavak() const { return lblSzavak_; }
    QLabel* lblIdo() const { return lblIdo_; }
    TDragListBox* lbFrom() const { return lbFrom_; }
    TDragListBox* lbTo() const { return lbTo_; }
    TPageTimer* Timer1() const { return timer1_; }
    int CurrentStep() const { return step_; }
    int Errors() const { return errors_; }
    const QStringList& Words() const { return words_; }
    // The words of the current task, as the label shows them.
    const QStringList& TargetWords() const { return targets_; }

protected:
    void btnNextClick() override;

private:
    void imgStartClick();
    void NextStep();
    void lbToDragDrop();
    void Timer1Timer();

    QStringList words_;
    QStringList targets_;
    int step_ = 0;
    int errors_ = 0;
    int elapsed_ = 0;
    TImage* imgStart_;
    QLabel* lblSzavak_;
    QLabel* lblIdo_;
    TDragListBox* lbFrom_;
    TDragListBox* lbTo_;
    TPageTimer* timer1_;
};
