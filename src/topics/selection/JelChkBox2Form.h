#pragma once

#include "JelBaseForm.h"

#include <vector>

class TCheckBox;
class TClipPlayer;

// Ten check boxes in two groups: check the five right ones and leave the rest, then "Tovább".
class TJelChkBox2Form : public TJelBaseForm {
    Q_OBJECT
public:
    TJelChkBox2Form();

    void ShowPage() override;

    // Left group top down, then the right group.
    const std::vector<TCheckBox*>& Boxes() const { return boxes_; }
    TPushButton* btnFinish() const { return btnFinish_; }
    int RightCount() const { return right_; }

private:
    void BoxClick(const TCheckBox& box);

    std::vector<TCheckBox*> boxes_;
    TPushButton* btnFinish_;
    TClipPlayer* animate1_;
    int right_ = 0;
};
