#pragma once

#include "EgerKeyBaseForm.h"

#include <array>

// Cursor shapes: five drawings, each turning the mouse cursor into its shape while the pointer is
// over it. Escape (or a click on the key drawn beside the text) moves on.
class TEgerKurzorForm : public TEgerKeyBaseForm {
    Q_OBJECT
public:
    TEgerKurzorForm();

    void ShowPage() override;

    // Arrow, HourGlass, Image1 (move), SizeNS, NoDrop, left to right.
    const std::array<TImage*, 5>& Cursors() const { return cursors_; }

private:
    std::array<TImage*, 5> cursors_{};
};
