#pragma once

#include <QPoint>
#include <QRect>
#include <cstdint>

class IRandomSource;

// The rules of the cannon game, apart from its page: ten shots at a drifting cloud, one ball in
// the air at a time, a tick every 50 ms. Angles are whole degrees, turned into radians with 3.14.
class TCannonGame {
public:
    static constexpr int Shots = 10;
    static constexpr QRect Cannon = QRect(90, 504, 158, 152);
    static constexpr QSize BallSize = QSize(30, 30);
    static constexpr QSize CloudSize = QSize(198, 114);
    static constexpr QPoint Parked = QPoint(0, 768);

    enum class TTick {
        Nothing,  // the ball flies on, or no ball is in the air
        Hit,      // the ball hit the cloud; a new cloud is placed
        Out,      // the ball left the screen
        Finished, // the tenth ball hit or left: the game is over
    };

    explicit TCannonGame(IRandomSource& random);

    void SetAngle(int degrees) { angle_ = degrees; }
    void SetSpeed(int speed) { speed_ = speed; }
    // A shot when fewer than ten have been fired and no ball is in the air; false otherwise.
    bool Fire();
    // The cloud moved to a new place at random and shown.
    void PlaceCloud();
    TTick Tick();

    int Angle() const { return angle_; }
    int Speed() const { return speed_; }
    int Fired() const { return fired_; }
    int Hits() const { return hits_; }
    bool Flying() const { return flying_; }
    QRect Ball() const { return QRect(ball_, BallSize); }
    int Vx() const { return vx_; }
    int Vy() const { return vy_; }
    QRect Cloud() const { return QRect(cloud_, CloudSize); }
    bool CloudShown() const { return cloudShown_; }
    int Phase() const { return phase_; }
    // Moves the cloud; for tests that aim at a known place.
    void MoveCloud(const QPoint& topLeft) { cloud_ = topLeft; }

private:
    void DriftCloud();
    void Land();

    IRandomSource& random_;
    int angle_ = 10;
    int speed_ = 20;
    int fired_ = 0;
    int hits_ = 0;
    bool flying_ = false;
    QPoint ball_ = Parked;
    std::uint16_t vx_ = 0;
    std::int32_t vy_ = 0;
    // Where the cloud stands on the page before the first START.
    QPoint cloud_ = QPoint(600, 150);
    bool cloudShown_ = false;
    std::uint16_t phase_ = 0;
};
