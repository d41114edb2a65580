#pragma once

class QKeyEvent;

// The course speaks of keys by their classic virtual-key codes (Enter 13, Esc 27, ...).
namespace VirtualKey {

enum : int {
    Back = 8,
    Tab = 9,
    Clear = 12,
    Return = 13,
    Shift = 16,
    Control = 17,
    Menu = 18,
    Capital = 20,
    Escape = 27,
    Space = 32,
    Prior = 33,
    Next = 34,
    End = 35,
    Home = 36,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    Insert = 45,
    Delete = 46,
    NumLock = 144,
};

// The code of a Qt key, or 0 for keys the course never asks about.
int FromQtKey(int qtKey);
int FromEvent(const QKeyEvent& event);

} // namespace VirtualKey
