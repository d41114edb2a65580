#include "GameRound.h"

#include <algorithm>

TGameRound TGameRound::FromRound(std::optional<int> round)
{
    if (!round)
        return TGameRound(1, StartPhase, true);
    const int value = *round;
    const bool passed = (value & Passed) != 0;
    const int level = passed ? value - Passed + 1 : value;
    // Only the games write "ROUND"; a value out of range still leaves a playable level.
    return TGameRound(std::clamp(level, 1, TopLevel), (value & Passed) + StartPhase, false);
}

TGameRound::TGameRound(bool first) : TGameRound(1, StartPhase, first) {}

TGameRound::TStep TGameRound::Step() const
{
    if (first_ && state_ == StartPhase)
        return TStep::Intro;
    if ((!first_ && (state_ == StartPhase || state_ == StartPhase + Passed)) || state_ == IntroPhase + Finished)
        return TStep::Info;
    if (state_ == InfoPhase + Finished)
        return TStep::GameStart;
    if (state_ == GamePhase + Finished)
        return TStep::RoundEnd;
    return TStep::None;
}

std::optional<int> TGameRound::NextRound(bool passed) const
{
    if (!passed)
        return level_;
    if (level_ < TopLevel)
        return level_ + Passed;
    return std::nullopt;
}
