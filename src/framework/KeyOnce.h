#pragma once

class QKeyEvent;

// A key a control ignores travels on to its parents, and a program-wide event filter sees it at
// each of them; a filter that previews keys asks this so that it handles each key once.
class TKeyOnce {
public:
    // True the first time the event reaches the filter; afterwards Swallowed tells the answer given.
    bool First(const QKeyEvent& event);
    bool Swallowed() const { return swallowed_; }
    void SetSwallowed(bool swallowed) { swallowed_ = swallowed; }

private:
    const QKeyEvent* event_ = nullptr;
    int type_ = 0;
    int key_ = 0;
    unsigned long long timestamp_ = 0;
    bool swallowed_ = false;
};
