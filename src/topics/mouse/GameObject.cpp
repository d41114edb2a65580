#include "GameObject.h"

#include "framework/Rounding.h"
#include "platform/RandomSource.h"

#include <cmath>
#include <numbers>

namespace {
constexpr int PageWidth = 1024;
constexpr int PageHeight = 768;
} // namespace

TGameObject::TGameObject(IRandomSource& random) : random_(random) {}

void TGameObject::NewFlight()
{
    start_ = QPoint(200 + random_.Random(400), PageHeight);
    direction_ = static_cast<std::uint16_t>(29 + random_.Random(150));
    speed_ = static_cast<std::uint16_t>(level_ * 7);
    leg_ = static_cast<std::uint16_t>(random_.Random(100) + level_ * 20);
    const double radians = direction_ * std::numbers::pi / 180.0;
    stepY_ = static_cast<std::int16_t>(Rounding::Round(std::sin(radians) * speed_));
    stepX_ = static_cast<std::int16_t>(Rounding::Ceil(std::cos(radians) * speed_));
    if (state_ != TState::Flying)
        place_.moveTopLeft(start_);
}

void TGameObject::Move()
{
    if (leg_ < flown_) {
        NewFlight();
        flown_ = 0;
    }
    place_.translate(stepX_, -stepY_);
    const bool gone = place_.bottom() + 1 < 0 || place_.right() + 1 < 0 || place_.left() > PageWidth;
    state_ = gone ? TState::Escaped : TState::Flying;
    flown_ += speed_;
}

bool TGameObject::Catch()
{
    if (!OnTheWing())
        return false;
    state_ = TState::Caught;
    return true;
}

void TGameObject::Restart()
{
    state_ = TState::Waiting;
    flown_ = 0;
    NewFlight();
}
