#pragma once

#include "topics/keyboard/Betuvadaszat.h"

class TPushButton;

// The summary's letter hunt: every character may come, and the learner hits as many as half a
// minute allows. From the second round on "Tovább" leaves the hunt for the mouse review.
class TOsszefoglBill2Form : public TBetuvadaszat {
    Q_OBJECT
public:
    TOsszefoglBill2Form();

    static QString Instruction();

    void ShowPage() override;

    TPushButton* btnTovabb() const { return btnTovabb_; }
    int Hits() const { return hits_; }
    // The hunt counts down in the field the keyboard's hunt counts up in.
    int RemainingSeconds() const { return elapsedSeconds_; }
    bool Finished() const { return finished_; }

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;
    void CorrectCharacter() override;
    void Timer1Timer() override;
    void FinishHunt() override;

private:
    void btnTovabbClick();

    TPushButton* btnTovabb_;
    int hits_ = 0;
    bool finished_ = false;
};
