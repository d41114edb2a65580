#pragma once

#include "framework/BaseBillForm.h"

class QLabel;

// Kinds of mice: ball and optical, buttons and the wheel. Backspace (or a click on the key drawn
// beside the text) moves on.
class TEgerTipusForm : public TBaseBillForm {
    Q_OBJECT
public:
    TEgerTipusForm();

    void ShowPage() override;

    TImage* Backspace() const { return backspace_; }
    QLabel* Hint() const { return hint_; }

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;

private:
    TImage* backspace_;
    QLabel* hint_;
};
