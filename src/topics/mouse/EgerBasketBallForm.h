#pragma once

#include "RoundGameForm.h"

#include <QImage>
#include <array>

class QLabel;
class TBall;

// Basketball against the clock: ten balls lie on the floor, each to be carried with a button held
// into the hoop. The best time of the visit travels from game to game under "TIMERECORD".
// The page knows only its module's interface, so other topics may play it too.
class TEgerBasketBallForm : public TRoundGameForm {
    Q_OBJECT
public:
    static constexpr int Balls = 10;

    TEgerBasketBallForm();

    // The score panel's text while playing: the record as shown when the game began, and the
    // time played.
    static QString ScoreText(const QString& recordText, int milliseconds);
    ~TEgerBasketBallForm() override;

    void ShowPage() override;

    // Ball n, 1 to 10; nullptr before the page is shown.
    TBall* Ball(int n) const { return balls_.at(static_cast<std::size_t>(n - 1)); }
    QLabel* eredmeny() const { return eredmeny_; }
    int Baskets() const { return baskets_; }
    int GameTime() const { return gameTime_; }
    int FallingBalls() const;

protected:
    void InitPage() override;

private:
    void Intro() override;
    void Info() override;
    void GameStart() override;
    void RoundEnd() override;
    void GameTick() override;
    void Released(TBall& ball);
    void UpdateScore();

    bool first_ = true;
    int record_ = 0;
    QString recordText_;
    int gameTime_ = 0;
    int baskets_ = 0;
    QImage ballImage_;
    std::array<TBall*, Balls> balls_{};
    QLabel* eredmeny_;
};
