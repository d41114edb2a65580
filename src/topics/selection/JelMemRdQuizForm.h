#pragma once

#include "JelBaseForm.h"

#include <array>

class TQuizHelp;
class TRadioGroup;

// Six questions about the scene, each a radio group; "Kész vagyok" opens once all have an answer
// and hands the result to the evaluation page.
class TJelMemRdQuizForm : public TJelBaseForm {
    Q_OBJECT
public:
    TJelMemRdQuizForm();

    TRadioGroup* RadioGroup(int n) const { return groups_.at(static_cast<std::size_t>(n - 1)); }
    TPushButton* btnFinish() const { return btnFinish_; }
    TQuizHelp& Help() const { return *help_; }
    // The groups answered right.
    int Right() const;

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;

private:
    void btnFinishClick();

    std::array<TRadioGroup*, 6> groups_{};
    TPushButton* btnFinish_;
    TQuizHelp* help_;
};
