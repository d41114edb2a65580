#pragma once

#include "GameObject.h"
#include "GraphElement.h"
#include "framework/BaseBlueForm.h"
#include "platform/PageTimer.h"

#include <QImage>
#include <array>
#include <memory>

class QLabel;

// The butterfly hunt: ten butterflies rise one after the other from the grass and flutter
// upwards; the learner catches each with a press on it. A cloud chosen before START sets their
// speed. A round of ten goes to the evaluation page; Esc or the end picture leaves the game.
class TLepkevadaszForm : public TBaseBlueForm {
    Q_OBJECT
public:
    static constexpr int Butterflies = 10;

    TLepkevadaszForm();
    ~TLepkevadaszForm() override;

    // The caption of the cloud that sets level 1 to 5, and the score panel's text while playing:
    // the level, then the butterflies shown and caught.
    static QString LevelCaption(int level);
    static QString ScoreText(int level, int shown, int caught);

    void ShowPage() override;
    void ClosePage() override;

    // "", "INTRO", "INTRO_OK", "INFO", "INFO_OK", "GAME", "GAME_OK".
    QString Phase() const { return phase_; }
    int Level() const { return level_; }
    int ButterflyNumber() const { return number_; }
    int Caught() const { return caught_; }
    const TGameObject& Butterfly() const { return butterfly_; }
    TImage* ButterflyPicture() const { return imgButterfly_; }
    // The colour of the butterfly's picture: "lila", "piros", "kek", "sarga" or "zold".
    QString ButterflyColour() const { return colour_; }
    TGraphElement& Cloud(int n) { return *clouds_.at(static_cast<std::size_t>(n - 1)); }
    QLabel* lblText() const { return lblText_; }
    QLabel* eredmeny() const { return eredmeny_; }
    TImage* imgStart() const { return imgStart_; }
    TImage* imgIntro() const { return imgIntro_; }
    TPageTimer& Timer1() { return timer1_; }

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;
    void imgEndGameClick() override;

private:
    void FlowStep();
    void Intro();
    void Info();
    void GameStart();
    void SelectCloud(TGraphElement& cloud);
    void imgStartClick();
    void Timer1Timer();
    void NextButterfly();
    void ButterflyPressed(Qt::MouseButton button);
    void NewColour();
    void ShowButterfly();
    void UpdateScore();
    void Leave();

    int level_ = 1;
    QString gameWord_;
    QString mode_;
    QString phase_;
    int introTime_ = 0;
    int number_ = 1;
    int caught_ = 0;
    QString colour_;
    // Each colour's picture, read when first drawn: ten butterflies a round share five.
    std::array<QImage, 5> butterflyImages_;
    TGameObject butterfly_;
    TImage* imgButterfly_;
    std::array<std::unique_ptr<TGraphElement>, 5> clouds_;
    TGraphElement* selected_ = nullptr;
    QLabel* lblText_;
    TImage* imgStart_;
    TImage* imgIntro_;
    QLabel* eredmeny_;
    TPageTimer timer1_;
};
