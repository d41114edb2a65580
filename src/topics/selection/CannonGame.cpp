#include "CannonGame.h"

#include "framework/Rounding.h"
#include "platform/RandomSource.h"

#include <cmath>

namespace {

constexpr double Radians(double degrees)
{
    return degrees * 3.14 / 180;
}

// The ball's centre lies strictly inside the rectangle.
bool StrictlyInside(const QPoint& point, const QRect& area)
{
    return point.x() > area.left() && point.x() < area.left() + area.width() && point.y() > area.top()
           && point.y() < area.top() + area.height();
}

} // namespace

TCannonGame::TCannonGame(IRandomSource& random) : random_(random) {}

bool TCannonGame::Fire()
{
    if (fired_ >= Shots || flying_)
        return false;
    ++fired_;
    flying_ = true;
    using Rounding::Round;
    const int muzzleRise = Round(std::sin(Radians(angle_ * 0.6)) * 160);
    const int muzzleReach = Round(std::cos(Radians(angle_ * 0.8)) * 160);
    ball_ = QPoint(Cannon.left() + 30 + muzzleReach, Cannon.top() + Cannon.height() - 80 - muzzleRise);
    vy_ = Round(std::sin(Radians(angle_ * 0.6)) * speed_);
    vx_ = static_cast<std::uint16_t>(Round(std::cos(Radians(angle_ * 0.7)) * speed_));
    return true;
}

void TCannonGame::PlaceCloud()
{
    phase_ = 0;
    const int left = 500 + random_.Random(200);
    const int top = 100 + random_.Random(300);
    cloud_ = QPoint(left, top);
    cloudShown_ = true;
}

void TCannonGame::DriftCloud()
{
    phase_ = static_cast<std::uint16_t>(phase_ + 1);
    if (phase_ >= 360)
        phase_ = 0;
    const int k = phase_ / 10; // taken as radians, so the bobbing is uneven
    cloud_.ry() -= Rounding::Round(std::sin(k) * 5);
    cloud_.rx() -= Rounding::Round(std::cos(k)) + 1;
    // A cloud gone wholly off the screen could never be hit again.
    const QRect screen(0, 0, 1024, 768);
    if (!Cloud().intersects(screen)) {
        const bool shown = cloudShown_;
        PlaceCloud();
        cloudShown_ = shown;
    }
}

void TCannonGame::Land()
{
    flying_ = false;
    ball_ = Parked;
}

TCannonGame::TTick TCannonGame::Tick()
{
    const QPoint centre(ball_.x() + BallSize.width() / 2, ball_.y() + BallSize.height() / 2);
    const bool hit = cloudShown_ && StrictlyInside(centre, Cloud());
    const bool out = ball_.x() - BallSize.width() > 1024 || ball_.y() < BallSize.height()
                     || ball_.y() - BallSize.height() > 768;
    if (!hit)
        DriftCloud();
    if (hit && flying_) {
        Land();
        ++hits_;
        if (fired_ >= Shots)
            return TTick::Finished;
        PlaceCloud();
        return TTick::Hit;
    }
    if (!flying_)
        return TTick::Nothing;
    if (!out) {
        ball_.rx() += vx_;
        vy_ -= 10;
        ball_.ry() -= vy_;
        return TTick::Nothing;
    }
    Land();
    return fired_ >= Shots ? TTick::Finished : TTick::Out;
}
