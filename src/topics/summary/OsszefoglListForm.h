#pragma once

#include "framework/BaseBillForm.h"

#include <array>

class QLabel;
class QLineEdit;
class TDragListBox;
class TImage;
class TPushButton;

// The list exercise: the learner builds a list of names, sorts it with "Fel" and "Le", drags
// items over to a second list (moving them, or copying them with Ctrl held at the drop), deletes
// the odd one out and finally the whole list, step by step as the instruction line asks. Only the
// step's own outcome moves it on.
class TOsszefoglListForm : public TBaseBillForm {
    Q_OBJECT
public:
    static constexpr int LastStep = 9;

    TOsszefoglListForm();

    void ShowPage() override;

    int Step() const { return step_; }
    bool CtrlHeld() const { return ctrlHeld_; }
    TImage* imgOdon() const { return imgOdon_; }
    QLineEdit* efList() const { return efList_; }
    TDragListBox* lbEditable() const { return lbEditable_; }
    TDragListBox* lbSimple() const { return lbSimple_; }
    TPushButton* btnNew() const { return btnNew_; }
    TPushButton* btnInsert() const { return btnInsert_; }
    TPushButton* btnDel() const { return btnDel_; }
    TPushButton* btnDelAll() const { return btnDelAll_; }
    TPushButton* btnUp() const { return btnUp_; }
    TPushButton* btnDown() const { return btnDown_; }
    QLabel* txtInfo() const { return txtInfo_; }
    TPushButton* btnTovabb() const { return btnTovabb_; }
    // Both review tables' frames together.
    QRect TablesArea() const { return tablesArea_; }

protected:
    void InitPage() override;
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;
    void FormKeyUp(int& key, Qt::KeyboardModifiers shift) override;
    void changeEvent(QEvent* event) override;

private:
    void Advance();
    void Instruct(const QString& text, const QColor& colour);
    void EnableButtons(bool enabled);
    // After every edit: the step moves on when the list is what the step asks for.
    void CheckStep();
    void AddFromBox();
    void btnInsertClick();
    void btnDelClick();
    void btnDelAllClick();
    // The current item swapped with its neighbour `by` rows away, then selected alone.
    void MoveCurrent(int by);
    void btnTovabbClick();
    void lbSimpleDragDrop();

    int step_ = 0;
    bool ctrlHeld_ = false;
    TImage* imgOdon_;
    QLineEdit* efList_;
    TDragListBox* lbEditable_;
    TDragListBox* lbSimple_;
    TPushButton* btnNew_;
    TPushButton* btnInsert_;
    TPushButton* btnDel_;
    TPushButton* btnDelAll_;
    TPushButton* btnUp_;
    TPushButton* btnDown_;
    QLabel* txtInfo_;
    TPushButton* btnTovabb_;
    QRect tablesArea_;
};
