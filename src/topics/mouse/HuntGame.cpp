#include "HuntGame.h"

#include "platform/RandomSource.h"

THuntGame::THuntGame(int level) : level_(level) {}

void THuntGame::Start()
{
    elapsed_ = StayTime();
    hits_ = 0;
    shown_ = 0;
    hit_ = false;
}

THuntGame::TTick THuntGame::Tick(int interval)
{
    elapsed_ += interval;
    if (elapsed_ <= StayTime())
        return TTick::Waiting;
    if (shown_ >= Targets)
        return TTick::Over;
    ++shown_;
    elapsed_ = 0;
    hit_ = false;
    return TTick::NewTarget;
}

QPoint THuntGame::PlaceTarget(IRandomSource& random, const QSize& size)
{
    const int top = 1 + random.Random(766 - size.height() + 1);
    const int left = 1 + random.Random(1022 - size.width() + 1);
    right_ = random.Random(10) >= 5;
    return QPoint(left, top);
}

THuntGame::TPress THuntGame::Press(Qt::MouseButton button)
{
    if (hit_)
        return TPress::Ignored;
    const bool matches = right_ ? button == Qt::RightButton : button == Qt::LeftButton;
    if (!matches) {
        ++misses_;
        return TPress::Miss;
    }
    ++hits_;
    hit_ = true;
    elapsed_ = StayTime();
    return TPress::Hit;
}
