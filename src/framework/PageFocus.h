#pragma once

#include <QList>

class QKeyEvent;
class QWidget;

// The focus rules of a page whose controls are reached with the keyboard: the page itself never
// holds the focus while it has a tab stop; Tab and Right/Down move on, Shift+Tab and Left/Up move
// back, round and round over the page's visible, enabled tab stops only, in the order they were
// created. A control that takes typed text keeps its arrows, and so does one marked by KeepArrows.
class TPageFocus {
public:
    explicit TPageFocus(QWidget* page) : page_(page) {}

    // The control moves within itself by the arrows (a radio group, a track bar).
    static void KeepArrows(QWidget* control);

    QList<QWidget*> TabStops() const;
    // Gives the focus to the first tab stop; false when the page has none.
    bool FocusFirst() const;
    // Moves the focus for a key that moves it; true when the key was used (or is Tab on a page
    // without tab stops, which must not leave the page either).
    bool HandleKey(const QKeyEvent& event) const;

private:
    QWidget* page_;
};
