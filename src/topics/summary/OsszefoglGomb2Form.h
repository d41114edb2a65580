#pragma once

#include "framework/BaseBillForm.h"

#include <array>

class QLabel;
class TClipPlayer;
class TImage;
class TPushButton;

// Button matching: eight buttons with English captions are dragged onto their Hungarian meanings.
// A right pair hides the button and Ödön nods, a wrong one counts and he shakes his head; once all
// eight are placed the wrong pairings are shown and "Tovább" opens.
class TOsszefoglGomb2Form : public TBaseBillForm {
    Q_OBJECT
public:
    static constexpr int Pairs = 8;

    TOsszefoglGomb2Form();

    // Pair n (from 1) is label n and button n.
    static QString LabelCaption(int pair);
    static QString ButtonCaption(int pair);
    static QString ResultCaption();

    QLabel* Heading() const { return heading_; }
    TImage* imgTiv() const { return imgTiv_; }
    TImage* imgNora() const { return imgNora_; }
    TClipPlayer* odonOk() const { return odonOk_; }
    TClipPlayer* odonNem() const { return odonNem_; }
    QLabel* Label(int pair) const { return labels_[pair - 1]; }
    TPushButton* Button(int pair) const { return buttons_[pair - 1]; }
    QLabel* lblErtekel() const { return lblErtekel_; }
    TPushButton* btnNext() const { return btnNext_; }
    int Right() const { return right_; }
    int Wrong() const { return wrong_; }

protected:
    void InitPage() override;

private:
    // The button of the pair dropped on the label of the pair.
    void Drop(int buttonPair, int labelPair);
    static void PlayInFront(TClipPlayer& clip);

    QLabel* heading_;
    TImage* imgTiv_;
    TImage* imgNora_;
    TClipPlayer* odonOk_;
    TClipPlayer* odonNem_;
    std::array<QLabel*, Pairs> labels_{};
    std::array<TPushButton*, Pairs> buttons_{};
    QLabel* lblErtekel_;
    TPushButton* btnNext_;
    // Counters of a byte: they stop at 255 rather than start again.
    int right_ = 0;
    int wrong_ = 0;
};
