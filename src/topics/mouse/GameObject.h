#pragma once

#include <QRect>
#include <cstdint>

class IRandomSource;

// A butterfly's flight, apart from its picture: legs of random length in random upward
// directions, one step per tick. Degrees count from the right, 90 is straight up.
class TGameObject {
public:
    enum class TState { Waiting, Flying, Escaped, Caught };

    explicit TGameObject(IRandomSource& random);

    void SetLevel(int level) { level_ = level; }
    // The picture's size (it takes its image's size).
    void SetSize(const QSize& size) { place_.setSize(size); }
    // A new leg from where the butterfly is; one not yet flying starts again at the bottom edge.
    void NewFlight();
    // One tick: a new leg when this one is flown, one step, then flying or escaped.
    void Move();
    // A press on the picture while it flies; false (and nothing counted) once caught or escaped.
    bool Catch();
    // The next butterfly: waiting at the bottom edge on a new leg.
    void Restart();

    TState State() const { return state_; }
    // Neither caught nor escaped yet: it still moves and may be caught.
    bool OnTheWing() const { return state_ == TState::Waiting || state_ == TState::Flying; }
    QRect Place() const { return place_; }
    QPoint StartPoint() const { return start_; }
    int Direction() const { return direction_; }
    int Speed() const { return speed_; }
    int LegLength() const { return leg_; }
    int StepX() const { return stepX_; }
    int StepY() const { return stepY_; }

private:
    IRandomSource& random_;
    int level_ = 1;
    TState state_ = TState::Waiting;
    QRect place_;
    QPoint start_;
    std::uint16_t direction_ = 0;
    std::uint16_t speed_ = 0;
    std::uint16_t leg_ = 0;
    int flown_ = 0;
    std::int16_t stepX_ = 0;
    std::int16_t stepY_ = 0;
};
