#pragma once

#include "JelBaseForm.h"

#include <vector>

class TCheckBox;
class TQuizHelp;

// Ten statements about the scene as check boxes, three checked at the start: check the true ones,
// then "Kész vagyok" hands the result to the evaluation page.
class TJelChkBoxQuizForm : public TJelBaseForm {
    Q_OBJECT
public:
    TJelChkBoxQuizForm();

    const std::vector<TCheckBox*>& Boxes() const { return boxes_; }
    TPushButton* btnFinish() const { return btnFinish_; }
    TQuizHelp& Help() const { return *help_; }

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;

private:
    void btnFinishClick();

    std::vector<TCheckBox*> boxes_;
    TPushButton* btnFinish_;
    TQuizHelp* help_;
};
