#pragma once

#include "framework/BaseBlueForm.h"
#include "platform/PageTimer.h"

#include <array>

class TClipPlayer;
class TMyAnim;

// The double click's page: Lemezke, Tárolka and Nyilacska play their clips when double-clicked;
// a right press on Nyilacska goes on. Esc does nothing here.
class TDuplaKattForm : public TBaseBlueForm {
    Q_OBJECT
public:
    TDuplaKattForm();

    static QString Instruction();
    ~TDuplaKattForm() override;

    void ShowPage() override;
    void ClosePage() override;

    // 1 the dog, 2 the cat, 3 Nyilacska; nullptr before the page is shown.
    TMyAnim* Character(int n) const { return characters_.at(static_cast<std::size_t>(n - 1)); }
    TClipPlayer* kattAnim() const { return kattAnim_; }
    TPageTimer& Timer1() { return timer1_; }

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;

private:
    std::array<TMyAnim*, 3> characters_{};
    TClipPlayer* kattAnim_;
    TPageTimer timer1_;
};
