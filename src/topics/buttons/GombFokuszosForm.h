#pragma once

#include "GombBaseForm.h"

class QLabel;
class TClipPlayer;
class TPushButton;

// The focus frame: the focused button answers Space and Enter; a mouse click on it goes on once
// both keys have been tried.
class TGombFokuszosForm : public TGombBaseForm {
    Q_OBJECT
public:
    TGombFokuszosForm();

    void ShowPage() override;

    TPushButton* selBtn() const { return selBtn_; }
    TClipPlayer* okaAnim() const { return okaAnim_; }
    QLabel* lblToDo() const { return lblToDo_; }
    bool SpaceTried() const { return spaceTried_; }
    bool EnterTried() const { return enterTried_; }

protected:
    void FormKeyPress(QChar& key) override;
    void FormKeyUp(int& key, Qt::KeyboardModifiers shift) override;

private:
    void Tried(const QString& otherKeyHint);
    void selBtnMouseUp(QPoint at);

    TPushButton* selBtn_;
    TClipPlayer* okaAnim_;
    QLabel* lblToDo_;
    bool spaceTried_ = false;
    bool enterTried_ = false;
};
