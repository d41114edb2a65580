#include "MemoryGame.h"

#include "platform/RandomSource.h"

#include <utility>

TMemoryGame::TMemoryGame()
{
    for (int card = 1; card <= Cards; ++card) {
        tags_[Index(card)] = (card - 1) % Pairs + 1;
        places_[Index(card)] = card;
    }
}

void TMemoryGame::Shuffle(IRandomSource& random)
{
    for (int draw = 0; draw < Cards; ++draw) {
        const int a = random.Random(Cards);
        const int b = random.Random(Cards);
        if (a != b)
            std::swap(places_[static_cast<std::size_t>(a)], places_[static_cast<std::size_t>(b)]);
    }
    NewGame();
}

void TMemoryGame::NewGame()
{
    onBoard_.fill(true);
    faceUp_.fill(false);
    first_ = second_ = 0;
    pairFound_ = locked_ = false;
    pairClock_ = pairsFound_ = elapsed_ = 0;
    lastFirst_ = lastSecond_ = 0;
}

TMemoryGame::TClick TMemoryGame::Click(int card)
{
    if (locked_ || !OnBoard(card))
        return TClick::Ignored;
    pairFound_ = false;
    if (first_ == 0) {
        first_ = card;
        faceUp_[Index(card)] = true;
        return TClick::First;
    }
    if (card == first_)
        return TClick::Ignored;
    second_ = card;
    faceUp_[Index(card)] = true;
    if (Tag(first_) == Tag(second_)) {
        pairFound_ = true;
        ++pairsFound_;
    }
    pairClock_ = 0;
    locked_ = true;
    return TClick::Second;
}

TMemoryGame::TTick TMemoryGame::Tick()
{
    TTick result = TTick::Nothing;
    pairClock_ += Interval;
    if (pairClock_ > 500)
        pairClock_ = 0;
    if (pairClock_ == 500) {
        if (pairFound_) {
            onBoard_[Index(first_)] = onBoard_[Index(second_)] = false;
            result = TTick::PairRemoved;
        } else if (second_ != 0) {
            faceUp_[Index(first_)] = faceUp_[Index(second_)] = false;
            result = TTick::TurnedBack;
        }
        if (result != TTick::Nothing) {
            lastFirst_ = first_;
            lastSecond_ = second_;
            first_ = second_ = 0;
            pairFound_ = locked_ = false;
        }
    }
    elapsed_ += Interval;
    return result;
}

QString TMemoryGame::TimeText(int elapsedMs)
{
    const int minutes = elapsedMs / 60000;
    const int seconds = elapsedMs / 1000 % 60;
    return QStringLiteral("%1:%2").arg(minutes, 2, 10, QLatin1Char('0')).arg(seconds, 2, 10, QLatin1Char('0'));
}
