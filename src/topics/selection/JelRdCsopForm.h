#pragma once

#include "JelBaseForm.h"

#include <array>

class TRadioGroup;

// Four radio groups about the learner; "Tovább" opens once each has an answer.
class TJelRdCsopForm : public TJelBaseForm {
    Q_OBJECT
public:
    TJelRdCsopForm();

    // RadioGroup1, RadioGroup2, tanar, eger.
    const std::array<TRadioGroup*, 4>& Groups() const { return groups_; }
    TPushButton* Button1() const { return button1_; }

private:
    std::array<TRadioGroup*, 4> groups_{};
    TPushButton* button1_;
};
