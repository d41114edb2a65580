#pragma once

#include "framework/BaseBillForm.h"
#include "platform/PageTimer.h"

#include <array>

class TClipPlayer;

// The clicking exercise: thirteen heads of Nóra, each smaller than the one before (the last
// 13 x 8), each framed on the background; a click hides a head, and when all are gone the page
// moves on.
class TEgerKattintForm : public TBaseBillForm {
    Q_OBJECT
public:
    static constexpr int Heads = 13;

    TEgerKattintForm();

    static QString Instruction();

    void ShowPage() override;

    const std::array<TImage*, Heads>& Images() const { return images_; }
    // One bit per head clicked, Image1 the lowest.
    unsigned Clicked() const { return clicked_; }
    TClipPlayer* balklikkAnim() const { return balklikkAnim_; }
    TPageTimer& timer() { return timer_; }

private:
    void Image1Click(int index);

    std::array<TImage*, Heads> images_{};
    TClipPlayer* balklikkAnim_;
    TPageTimer timer_;
    unsigned clicked_ = 0;
};
