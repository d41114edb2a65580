#pragma once

#include "HuntGame.h"
#include "RoundGameForm.h"

#include <QImage>

class QLabel;

// "Jobbra vagy balra": Nyilacska appears ten times at random places pointing left or right and
// is to be pressed with that button before it jumps on. Ten hits unlock the next of five levels.
class TEgervadaszatForm : public TRoundGameForm {
    Q_OBJECT
public:
    TEgervadaszatForm();

    // The info panel's text before START, and the score panel's while playing: the level, then
    // the arrows shown and hit.
    static QString StartText();
    static QString ScoreText(int level, int shown, int hits);
    ~TEgervadaszatForm() override;

    void ShowPage() override;

    const THuntGame& Game() const { return game_; }
    TImage* imgNyilacska() const { return imgNyilacska_; }
    QLabel* eredmeny() const { return eredmeny_; }

protected:
    void InitPage() override;

private:
    void Intro() override;
    void Info() override;
    void GameStart() override;
    void RoundEnd() override;
    void GameTick() override;
    void imgNyilacskaMouseDown(Qt::MouseButton button);
    void hatterClick();
    void UpdateScore();

    THuntGame game_{1};
    TImage* imgNyilacska_;
    QLabel* eredmeny_;
    QImage pointsRight_;
    QImage pointsLeft_;
};
