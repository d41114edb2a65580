#pragma once

#include <QString>
#include <functional>

// The lesson's repeat counter: a step that counts starts at 1; each event either completes the
// step (the limit was reached before) or raises the counter and says what is left: the last-time
// text when the counter reaches the limit, else the still-N text for N = limit + 1 - counter.
class TRepeatCount {
public:
    void Restart() { counter_ = 1; }
    int Counter() const { return counter_; }

    // True when the step is done; otherwise `text` is the feedback to show.
    bool Count(int limit, const QString& lastTime, const std::function<QString(int)>& stillN, QString& text);

private:
    int counter_ = 1;
};
