#pragma once

#include "GameRound.h"
#include "framework/BaseBlueForm.h"
#include "platform/PageTimer.h"

// The page of a game played in rounds on the state byte (mouse hunt, balloons, basketball): the
// flow step from state to phase, the START picture that ends the information phase, Esc and the
// end picture leaving with "NEXTFORM" (Esc not during the intro), and the timer stopped whichever
// way the page goes.
class TRoundGameForm : public TBaseBlueForm {
    Q_OBJECT
public:
    // The START picture at its place, hidden until the information phase; its click plays the sound.
    TRoundGameForm(const QString& pageName, const QRect& startPlace, const QString& startSound);
    ~TRoundGameForm() override;

    void ClosePage() override;

    const TGameRound& Round() const { return round_; }
    TPageTimer& Timer1() { return timer1_; }
    TImage* imgStart() const { return imgStart_; }
    // The intro's picture; nullptr when the page has shown no intro.
    TImage* IntroPicture() const { return introPicture_; }

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;
    void imgEndGameClick() override;

    void FlowStep();
    virtual void Intro() = 0;
    virtual void Info() = 0;
    virtual void GameStart() = 0;
    virtual void RoundEnd() = 0;
    // A tick while the game runs.
    virtual void GameTick() = 0;
    // The intro phase with its clock started.
    void StartIntro();
    // The intro phase with this picture centred on the information panel until its time is over.
    void StartIntro(const QString& pictureFile);
    // The round the previous page left under "ROUND", taken off the board.
    void TakeRound();
    // The round is over: "ROUND" tells the next page which level to play, unless the top one is passed.
    void LeaveRound(bool passed);
    // The game runs on its clock: the score shows figures instead of "--:--".
    bool Playing() const;
    // The state's phase is over: +128, then the flow step.
    void FinishPhase();
    // The information phase: the START picture, sized to the image, in front and clickable.
    void ShowStart(const QImage& image);
    // "ERTEKEL" gets the result, then the module is told.
    void Report(const QString& result);
    QString UserName() const;

    TGameRound round_ = TGameRound::FromRound(std::nullopt);
    TPageTimer timer1_;
    int introLength_ = 2000;

private:
    void imgStartClick();
    void Timer1Timer();

    int introTime_ = 0;
    TImage* imgStart_;
    TImage* introPicture_ = nullptr;
    QString startSound_;
};
