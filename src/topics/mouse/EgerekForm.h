#pragma once

#include "framework/BaseBillForm.h"

class QLabel;

// Real mice and computer mice side by side, a text under each; Enter (or a click on the key drawn
// beside them) moves on.
class TEgerekForm : public TBaseBillForm {
    Q_OBJECT
public:
    TEgerekForm();

    void ShowPage() override;

    TImage* enter() const { return enter_; }
    QLabel* Hint() const { return hint_; }

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;

private:
    TImage* enter_;
    QLabel* hint_;
};
