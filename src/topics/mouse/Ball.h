#pragma once

#include "framework/Image.h"

#include <cstdint>

class IRandomSource;

// A basketball: a picture the learner carries with a button held. While carried it follows the
// pointer on every sixth move, never past the 20-pixel margin; let go, it counts in the hoop or
// falls back to the floor, and can be caught while falling.
class TBall : public TImage {
    Q_OBJECT
public:
    static constexpr int Side = 103;
    static constexpr int Floor = 768 - Side;
    static constexpr int FallStep = 35;

    enum class TRelease { NotCarried, Basket, Miss };

    explicit TBall(QWidget* parent);

    // Where a ball lies at the start: left 103 to 820, top 665 to 670.
    static QPoint DrawPlace(IRandomSource& random);
    // The ball's bottom may stick out 5 pixels below the hoop, nothing else.
    static bool InHoop(const QRect& ball);

    // The ball's own handling of its button and pointer (position inside the ball).
    void Press(const QPoint& at);
    // True when the ball moved.
    bool Drag(const QPoint& at);
    TRelease Release();
    // One tick of a falling ball; it stops on reaching the floor.
    void Fall();

    bool Dragging() const { return dragging_; }
    bool Falling() const { return falling_; }

private:
    bool dragging_ = false;
    bool falling_ = false;
    QPoint grab_;
    std::uint8_t moves_ = 0;
};
