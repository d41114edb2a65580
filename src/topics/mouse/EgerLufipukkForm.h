#pragma once

#include "RoundGameForm.h"

#include <array>

class TLufi;

// "Lufilövöldözés": six balloons rise together at random speeds and are popped with double
// clicks before they leave the top. Six pops unlock the next of five levels.
class TEgerLufipukkForm : public TRoundGameForm {
    Q_OBJECT
public:
    static constexpr int Balloons = 6;

    TEgerLufipukkForm();

    // The score panel's text while playing: the level, then the balloons and how many are popped.
    static QString ScoreText(int level, int popped);
    ~TEgerLufipukkForm() override;

    void ShowPage() override;

    // Balloon n, 1 to 6; nullptr before the page is shown.
    TLufi* Balloon(int n) const { return balloons_.at(static_cast<std::size_t>(n - 1)); }
    int Popped() const { return popped_; }
    int Escaped() const { return escaped_; }

protected:
    void InitPage() override;

private:
    void Intro() override;
    void Info() override;
    void GameStart() override;
    void RoundEnd() override;
    void GameTick() override;
    void Pop(TLufi& balloon);
    void UpdateScore();

    int popped_ = 0;
    int escaped_ = 0;
    std::array<TLufi*, Balloons> balloons_{};
};
