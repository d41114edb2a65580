#pragma once

#include "MemoryGame.h"
#include "PnlBaseForm.h"
#include "platform/MessageDialogs.h"

#include <array>

class QLabel;
class TImage;
class TImgPanel;
class TPageTimer;

// The pairs game on 36 panels: two cards turned at a time, equal pictures leave the board, a
// clock shows the time; after the 18th pair the page asks for another game.
class TPnlMemJatekForm : public TPnlBaseForm {
    Q_OBJECT
public:
    TPnlMemJatekForm();

    // The title strip of the card at a place (1 to 36).
    static QString CardTitle(int place);

    void ShowPage() override;

    // Card numbers are 1 … 36.
    TImgPanel* Card(int card) const { return cards_[static_cast<std::size_t>(card - 1)]; }
    const TMemoryGame& Game() const { return game_; }
    QLabel* lblIdo() const { return lblIdo_; }
    TImage* imgEndGame() const { return imgEndGame_; }
    TPageTimer* Timer1() const { return timer1_; }
    int Games() const { return games_; }

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;

private:
    // The introduction, shown when the page opens.
    void Introduce();
    // The end question after a finished game.
    void AskForMore();
    void StartGame();
    void CardClick(int card);
    void Timer1Timer();
    void imgEndGameClick();
    // Another game on "OK" or "Igen"; any other answer leaves the page.
    void AfterAnswer(TDialogResult answer);

    std::array<TImgPanel*, TMemoryGame::Cards> cards_{};
    TMemoryGame game_;
    QLabel* lblIdo_;
    TImage* imgEndGame_;
    TPageTimer* timer1_;
    int games_ = 0;
};
