#pragma once

#include <QPoint>
#include <QString>
#include <cstdint>
#include <initializer_list>
#include <random>

class TLearner;

// Seeded random input on the page on screen, the pieces every soak mixes in its own proportions
// and with its own keys. Each does one thing and says what, for the report of a failure.
class TRandomInput {
public:
    explicit TRandomInput(TLearner& learner, std::uint64_t seed = 1) : learner_(learner), rng_(seed) {}

    void Seed(std::uint64_t seed) { rng_.seed(seed); }
    // 0 … n − 1; 0 when n is not positive.
    int Pick(int n) { return n <= 0 ? 0 : int(rng_() % std::uint64_t(n)); }
    template <class T> const T& OneOf(std::initializer_list<T> items) { return items.begin()[Pick(int(items.size()))]; }
    QPoint AnyPoint() { return QPoint(Pick(1024), Pick(768)); }

    QString Character(const QString& characters);
    QString Key(std::initializer_list<Qt::Key> keys,
                std::initializer_list<Qt::KeyboardModifiers> modifiers = {Qt::NoModifier});
    // A key going down or up on its own, as a held Shift, Enter or letter does.
    QString HalfKey();
    // A dead key and a letter, committed by the input method.
    QString Composed();
    // On whatever lies at a point of the page; mostly the left button.
    QString Click();
    QString DoubleClick();
    // Pressed at one point of the page, released at another, on what lay under the press.
    QString Drag();
    QString Wait(int maxMs);

private:
    TLearner& learner_;
    std::mt19937_64 rng_;
};
