#pragma once

#include <optional>

// The state byte the round games share: a phase (1 start, 2 intro, 4 info, 8 game), 128 when the
// phase is over and, in the start phase, 64 when the previous level was passed. Each round runs on
// a new page; the level travels between them under "ROUND" (the level, plus 64 when passed).
class TGameRound {
public:
    static constexpr int StartPhase = 1;
    static constexpr int IntroPhase = 2;
    static constexpr int InfoPhase = 4;
    static constexpr int GamePhase = 8;
    static constexpr int Passed = 64;
    static constexpr int Finished = 128;
    static constexpr int TopLevel = 5;

    enum class TStep { None, Intro, Info, GameStart, RoundEnd };

    // A round from the "ROUND" value on the board; without one, the first round at level 1.
    static TGameRound FromRound(std::optional<int> round);
    // A game without levels (basketball): the first game shows the intro.
    explicit TGameRound(bool first);

    int Level() const { return level_; }
    int State() const { return state_; }
    // The learner's first game of this kind in the visit (it begins with the intro).
    bool First() const { return first_; }
    void Enter(int phase) { state_ = phase; }
    // The phase now running is over (+128).
    void Finish() { state_ += Finished; }
    bool InPhase(int phase) const { return state_ == phase; }
    // What the flow step does in this state.
    TStep Step() const;
    // The "ROUND" value the finished round leaves: the same level again, the next one when
    // passed, nothing once the top level is passed.
    std::optional<int> NextRound(bool passed) const;

private:
    TGameRound(int level, int state, bool first) : level_(level), state_(state), first_(first) {}

    int level_ = 1;
    int state_ = StartPhase;
    bool first_ = true;
};
