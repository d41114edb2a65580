#pragma once

#include "JelSpinEdit1Form.h"

// A price typed into the field: digits, Backspace and Delete edit it, Left and Right move the
// cursor. Nóra is happy at 14560 or more, and exactly 14560 opens "Tovább" for good.
class TJelSpinEdit2Form : public TJelSpinEdit1Form {
    Q_OBJECT
public:
    static constexpr int Price = 14560;

    TJelSpinEdit2Form();

protected:
    void Edit1Change() override;
};
