#pragma once

#include "EnglishWords.h"
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

    // The blue lines above and below the board; the yellow ones are EnglishWords::Words().
    static QString Introduction();
    static QString LastLine();
    // Where a word's button stands: its own place, moved right of the word's first line if that
    // line would run under it.
    static QPoint ButtonPlace(const EnglishWords::TWord& word);

    void ShowPage() override;

    // BitBtn1 ... BitBtn13 as index 0 ... 12; the last is "Continue".
    TPushButton* BitBtn(int index) const { return buttons_[static_cast<std::size_t>(index)]; }

private:
    std::array<TPushButton*, ButtonCount> buttons_{};
};
