#pragma once

#include "GombBaseForm.h"

#include <array>

class TImage;
class TPushButton;

// Moving the focus frame: four buttons count how often the focus has come to them; "Tovább"
// opens when each has had it three times. This page shows no back picture.
class TGombTabulatorForm : public TGombBaseForm {
    Q_OBJECT
public:
    static constexpr int ButtonCount = 4;

    TGombTabulatorForm();

    void ShowPage() override;

    TPushButton* Button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }
    TPushButton* next() const { return next_; }
    TImage* imgMiniNora() const { return imgMiniNora_; }
    int Visits(int index) const { return visits_[static_cast<std::size_t>(index)]; }

private:
    void ButtonEnter(int index);

    std::array<TPushButton*, ButtonCount> buttons_{};
    TPushButton* next_;
    TImage* imgMiniNora_;
    std::array<int, ButtonCount> visits_{};
    // The focus the first button gets as the page is shown is no visit.
    bool skipFirstFocus_ = true;
};
