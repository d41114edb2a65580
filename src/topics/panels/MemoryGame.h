#pragma once

#include <QString>
#include <array>

class IRandomSource;

// The pairs game without its pictures: 36 cards, card n carrying picture ((n - 1) mod 18) + 1,
// each lying on one of 36 places of a 6 × 6 grid (place p at ((p - 1) mod 6)·94 + 196,
// ((p - 1) div 6)·94 + 196). The place's number is the title the card shows. Two cards turned
// up lock the board; the pair clock cycles 250, 500, 0, is reset by the second card, and at 500
// the pair leaves the board or turns back.
class TMemoryGame {
public:
    static constexpr int Cards = 36;
    static constexpr int Pairs = 18;
    static constexpr int Interval = 250;

    enum class TClick { Ignored, First, Second };
    enum class TTick { Nothing, PairRemoved, TurnedBack };

    TMemoryGame();

    // Card numbers are 1 … 36.
    int Tag(int card) const { return tags_[Index(card)]; }
    int Place(int card) const { return places_[Index(card)]; }
    static int PlaceLeft(int place) { return ((place - 1) % 6) * 94 + 196; }
    static int PlaceTop(int place) { return ((place - 1) / 6) * 94 + 196; }
    bool OnBoard(int card) const { return onBoard_[Index(card)]; }
    bool FaceUp(int card) const { return faceUp_[Index(card)]; }

    // 36 draws of two places' cards; equal draws are skipped. Then a fresh game: every card on
    // the board face down, nothing turned, both clocks at 0.
    void Shuffle(IRandomSource& random);
    void NewGame();

    TClick Click(int card);
    // One timer interval; `first` and `second` name the cards it removed or turned back.
    TTick Tick();

    int FirstCard() const { return first_; }
    int SecondCard() const { return second_; }
    bool Locked() const { return locked_; }
    int PairClock() const { return pairClock_; }
    int PairsFound() const { return pairsFound_; }
    bool Finished() const { return pairsFound_ == Pairs; }
    int ElapsedMs() const { return elapsed_; }
    // The tick that made a whole second: the clock text changes.
    bool WholeSecond() const { return elapsed_ > 0 && elapsed_ % 1000 == 0; }
    // The cards of the last pair removed or turned back.
    int LastFirst() const { return lastFirst_; }
    int LastSecond() const { return lastSecond_; }

    // "mm:ss" with as many minute digits as needed (two at least).
    static QString TimeText(int elapsedMs);

private:
    static std::size_t Index(int card) { return static_cast<std::size_t>(card - 1); }

    std::array<int, Cards> tags_{};
    std::array<int, Cards> places_{};
    std::array<bool, Cards> onBoard_{};
    std::array<bool, Cards> faceUp_{};
    int first_ = 0;
    int second_ = 0;
    bool pairFound_ = false;
    bool locked_ = false;
    int pairClock_ = 0;
    int pairsFound_ = 0;
    int elapsed_ = 0;
    int lastFirst_ = 0;
    int lastSecond_ = 0;
};
