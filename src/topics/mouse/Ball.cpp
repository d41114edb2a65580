#include "Ball.h"

#include "MarginMove.h"
#include "framework/Rounding.h"
#include "platform/RandomSource.h"

#include <algorithm>

namespace {
constexpr int Margin = 20;
// Moves between two repositionings: each repaints the big page.
constexpr int MovesPerStep = 6;
} // namespace

TBall::TBall(QWidget* parent) : TImage(parent, QRect(0, Floor, Side, Side)) {}

QPoint TBall::DrawPlace(IRandomSource& random)
{
    const int left = Rounding::Round(random.Random(821 * 10000) / 10000.0);
    const int top = Floor + Rounding::Round(random.Random(50000) / 10000.0);
    return QPoint(std::max(left, Side), top);
}

bool TBall::InHoop(const QRect& ball)
{
    const int right = ball.x() + ball.width();
    const int bottom = ball.y() + ball.height();
    return ball.y() >= 268 && ball.x() >= 410 && right <= 635 && bottom - 5 <= 381;
}

void TBall::Press(const QPoint& at)
{
    grab_ = at;
    dragging_ = true;
    moves_ = 0;
    falling_ = false;
}

bool TBall::Drag(const QPoint& at)
{
    ++moves_;
    if (moves_ % MovesPerStep != 0 || !dragging_)
        return false;
    const QPoint pointer = pos() + at;
    const QPoint to = MarginMove::Follow(geometry(), pointer - grab_, Margin).topLeft;
    if (to == pos())
        return false;
    move(to);
    return true;
}

TBall::TRelease TBall::Release()
{
    if (!dragging_)
        return TRelease::NotCarried;
    dragging_ = false;
    if (InHoop(geometry()))
        return TRelease::Basket;
    falling_ = true;
    return TRelease::Miss;
}

void TBall::Fall()
{
    if (!falling_)
        return;
    if (y() < Floor)
        move(x(), y() + FallStep);
    else
        falling_ = false;
}
