#pragma once

class QChar;
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
    // Any other key (punctuation, accented letters): the course compares their characters instead.
    Other = 0xDF,
};

// The code of a Qt key, or 0 for keys the course never asks about by code.
int FromQtKey(int qtKey);
// Never 0: a key without a code of its own is Other.
int FromEvent(const QKeyEvent& event);
// The key that types a character composed without a key event of its own (a dead key, compose):
// the letter key of its base letter (ô -> O), the digit key, else Other.
int FromCharacter(QChar character);

} // namespace VirtualKey
