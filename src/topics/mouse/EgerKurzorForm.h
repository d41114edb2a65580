#pragma once

#include "framework/BaseBillForm.h"

#include <array>

class QLabel;

// Cursor shapes: five drawings, each turning the mouse cursor into its shape while the pointer is
// over it. Escape (or a click on the key drawn beside the text) moves on.
class TEgerKurzorForm : public TBaseBillForm {
    Q_OBJECT
public:
    TEgerKurzorForm();

    void ShowPage() override;

    TImage* escape() const { return escape_; }
    QLabel* Hint() const { return hint_; }
    // Arrow, HourGlass, Image1 (move), SizeNS, NoDrop, left to right.
    const std::array<TImage*, 5>& Cursors() const { return cursors_; }

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;

private:
    TImage* escape_;
    QLabel* hint_;
    std::array<TImage*, 5> cursors_{};
};
