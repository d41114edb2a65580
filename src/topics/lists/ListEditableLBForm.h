#pragma once

#include "ListBaseForm.h"

#include <QStringList>

class QLabel;
class QLineEdit;
class TDragListBox;
class TPageTimer;
class TPushButton;

// The editable list tutorial: names typed and added, inserted above a chosen item, deleted one and
// two at a time, then the whole list cleared. Each step is announced on the paper and by a hint
// beside the button to use; only exactly what is asked moves it on.
class TListEditableLBForm : public TListBaseForm {
    Q_OBJECT
public:
    enum class TPhase { New, Insert, Delete, DeleteAll };
    static constexpr int BlinkTick = 250;
    static constexpr int HintStep = 68; // the hint's height less 5: it stands beside the next button

    TListEditableLBForm();

    // What the page says in a phase: the instruction, and the hint beside the phase's button.
    static QString Instruction(TPhase phase);
    static QString Hint(TPhase phase);
    // The paper's order to insert a name above another one.
    static QString InsertOrder(const QString& name, const QString& above);
    // The four buttons' captions, top to bottom: add, insert, delete, delete all.
    static QStringList ButtonCaptions();

    void ShowPage() override;

    TPhase Phase() const { return phase_; }
    int Step() const { return step_; }
    QLabel* lblText() const { return lbText(); }
    QLabel* lblPapir() const { return lblPapir_; }
    QLabel* lblHint() const { return lblHint_; }
    QLineEdit* efList() const { return efList_; }
    TDragListBox* lbEditable() const { return lbEditable_; }
    TPushButton* btnNew() const { return btnNew_; }
    TPushButton* btnInsert() const { return btnInsert_; }
    TPushButton* btnDel() const { return btnDel_; }
    TPushButton* btnDelAll() const { return btnDelAll_; }
    TPageTimer* Timer1() const { return timer1_; }

protected:
    // "Tovább" goes on only once the list has been cleared.
    void btnNextClick() override;

private:
    // Runs the row of the current phase and step, then moves on to the next step.
    void Advance();
    void NewPhase(TPhase phase);
    void Paper(const QString& text);
    void efListChange();
    void Add();
    void btnInsertClick();
    void Delete();
    void btnDelAllClick();
    void Timer1Timer();

    TPhase phase_ = TPhase::New;
    int step_ = 0;
    QString target_;
    QString second_;
    bool blink_ = false;
    int blinkCount_ = 0;
    QLabel* lblPapir_;
    QLabel* lblHint_;
    QLineEdit* efList_;
    TDragListBox* lbEditable_;
    TPushButton* btnNew_;
    TPushButton* btnInsert_;
    TPushButton* btnDel_;
    TPushButton* btnDelAll_;
    TPageTimer* timer1_;
};
