#pragma once

#include "MenuBaseMForm.h"

class QLabel;
class TMenuMondatForm;
class TPageTimer;

// The sentence game: START, then six sentences built word by word from the words menu against the
// clock; "Tovább" stores the result for the evaluation page. From the second game on, the exit
// picture or Esc ends the games.
class TMenuMondatMForm : public TMenuBaseMForm {
    Q_OBJECT
public:
    TMenuMondatMForm();

    // The caption over the game's clock.
    static QString ElapsedCaption();

    void ShowPage() override;

    TMenuMondatForm* MondatWindow() const { return window_; }
    QLabel* ora() const { return ora_; }
    TImage* imgEndGame() const { return imgEndGame_; }
    TPageTimer* Timer1() const { return timer1_; }
    int Seconds() const { return seconds_; }
    int Errors() const { return errors_; }
    bool Started() const;

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;

private:
    void btnTovabbClick();
    void Timer1Timer();
    void GameOver(int errors);
    void EndGames();
    bool Replay() const;

    QLabel* elapsedLabel_;
    QLabel* ora_;
    TImage* imgEndGame_;
    TPageTimer* timer1_;
    TMenuMondatForm* window_;
    int seconds_ = 0;
    int errors_ = 0;
};
