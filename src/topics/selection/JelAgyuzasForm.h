#pragma once

#include "CannonGame.h"
#include "framework/BaseBlueForm.h"
#include "platform/PageTimer.h"

#include <QImage>
#include <array>
#include <memory>

class QLabel;
class TTrackBar;

// The cannon game: the vertical track bar aims the barrel, the horizontal one sets the speed,
// Space or Enter fires. Ten shots at a drifting rain cloud make a game, rated on the evaluation
// page; the end picture or Esc ends the topic.
class TJelAgyuzasForm : public TBaseBlueForm {
    Q_OBJECT
public:
    TJelAgyuzasForm();
    ~TJelAgyuzasForm() override;

    void ShowPage() override;
    void ClosePage() override;

    const TCannonGame& Game() const { return *game_; }
    TCannonGame& Game() { return *game_; }
    QLabel* lblText() const { return lblText_; }
    TImage* imgStart() const { return imgStart_; }
    TImage* imgCanon() const { return imgCanon_; }
    TTrackBar* tbDegree() const { return tbDegree_; }
    TTrackBar* tbSpeed() const { return tbSpeed_; }
    TImage* imgFelho() const { return imgFelho_; }
    TImage* imgAmmo() const { return imgAmmo_; }
    // Shot picture n, 1 to 10 from the left.
    TImage* ShotPicture(int n) const { return shots_.at(static_cast<std::size_t>(n - 1)); }
    QLabel* lblTalalatok() const { return lblTalalatok_; }
    TPageTimer& Timer1() { return timer1_; }
    // The cannon picture shown, 1 to 10.
    int CanonShown() const { return canonShown_; }

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;
    void imgEndGameClick() override;

private:
    void imgStartClick();
    void tbDegreeChange();
    void Fire();
    void Timer1Timer();
    // The cloud's and the ball's pictures where the game has them.
    void ShowGame();
    void ShowCanon(int n);

    std::unique_ptr<TCannonGame> game_;
    QLabel* lblText_;
    TImage* imgStart_;
    TImage* imgCanon_;
    TTrackBar* tbDegree_;
    TTrackBar* tbSpeed_;
    TImage* imgFelho_;
    TImage* imgAmmo_;
    std::array<TImage*, TCannonGame::Shots> shots_{};
    QLabel* lblTalalatok_;
    TPageTimer timer1_;
    std::array<QImage, 10> canons_;
    int canonShown_ = 1;
};
