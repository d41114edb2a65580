#pragma once

#include "GombBaseForm.h"

#include <array>

class TPushButton;

// English captions: thirteen buttons, each beside the line that explains its word; only
// "Continue" goes on.
class TGombAngolForm : public TGombBaseForm {
    Q_OBJECT
public:
    static constexpr int ButtonCount = 13;

    TGombAngolForm();

    void ShowPage() override;

    // BitBtn1 ... BitBtn13 as index 0 ... 12; the last is "Continue".
    TPushButton* BitBtn(int index) const { return buttons_[static_cast<std::size_t>(index)]; }

private:
    std::array<TPushButton*, ButtonCount> buttons_{};
};
