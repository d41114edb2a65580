#pragma once

#include <QPoint>
#include <QSize>
#include <Qt>

class IRandomSource;

// The rules of "Jobbra vagy balra", apart from its page: ten appearances of Nyilacska, each
// staying 4000 div level milliseconds, to be pressed with the button it points to.
class THuntGame {
public:
    static constexpr int Targets = 10;

    enum class TTick { Waiting, NewTarget, Over };
    enum class TPress { Hit, Miss, Ignored };

    explicit THuntGame(int level);

    // After START: the first target comes at the first tick.
    void Start();
    TTick Tick(int interval);
    // Where the new target stands and which way it points; the character is size big.
    QPoint PlaceTarget(IRandomSource& random, const QSize& size);
    // A press on the character. A target already hit ignores further presses until the next one.
    TPress Press(Qt::MouseButton button);
    void Miss() { ++misses_; }

    int Level() const { return level_; }
    int StayTime() const { return 4000 / level_; }
    int Shown() const { return shown_; }
    int Hits() const { return hits_; }
    int Misses() const { return misses_; }
    bool PointsRight() const { return right_; }
    bool Passed() const { return hits_ == Targets; }
    // The target on screen was hit already.
    bool TargetHit() const { return hit_; }

private:
    int level_;
    int elapsed_ = 0;
    int shown_ = 0;
    int hits_ = 0;
    int misses_ = 0;
    bool right_ = false;
    bool hit_ = false;
};
