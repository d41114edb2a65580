#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

class QPainter;

// The Hungarian 105-key keyboard of the practice page ("billentyuzet.jpg") and the two pointing
// hands the page lays over it. The keys are placed so that each hand position the page uses puts
// a fingertip on the key (or lamp) the step talks about; the tests check every step against
// the same rectangles and fingertips used for drawing.
namespace KeyboardArt {

enum class TKeyStyle {
    Character, // a sign key: Shift sign top left, plain sign bottom left, Alt Gr sign bottom right
    Letter,    // a letter key: the capital top left, an Alt Gr sign bottom right
    Word,      // a named key: Esc, Tab, Caps Lock, Shift, Ctrl, Alt, Alt Gr, ...
    Function,  // F1 .. F12 and the small keys above the cursor block
    Keypad,    // a numeric keypad key: its sign top left, its second use below
};

struct TKeyCap {
    QString name{};  // "Esc", "Caps Lock", "Left Shift", "Alt Gr", "Enter", "Num Enter", "T", "0", ...
    QRect rect{};    // on the page; for the Enter key this is its wide upper part
    QRect stem{};    // the Enter key's narrow part reaching down into the next row, else empty
    TKeyStyle style = TKeyStyle::Word;
    QString upper{}; // Shift sign, capital letter or keypad sign
    QString lower{}; // plain sign, or the keypad key's second use
    QString altGr{}; // Alt Gr sign
    QString word{};  // the name printed on a named key

    bool Contains(QPoint point) const { return rect.contains(point) || stem.contains(point); }
};

// One of the three lamps in the keyboard's top right corner.
struct TLamp {
    QString name; // "Num Lock", "Caps Lock", "Scroll Lock"
    QRect rect;   // the lamp window on the page
    bool lit = false;
};

// Every key of the keyboard, in rows from the top left.
const std::vector<TKeyCap>& Keys();
// The key of that name; throws std::out_of_range for an unknown name.
const TKeyCap& Key(const QString& name);
const std::vector<TLamp>& Lamps();
const TLamp& Lamp(const QString& name);
// The keyboard's case on the page.
QRect CaseRect();

// Where the pointing fingertip lies inside "05_Bal_Kez.png" and "05_Jobb_Kez.png".
QPoint LeftFingertip();
QPoint RightFingertip();

// The left and the right hand, seen from above, each pointing with the index finger; transparent.
QImage LeftHand();
QImage RightHand();

// Paints the whole keyboard, its case and (on the page) its cable, in page coordinates.
void DrawKeyboard(QPainter& painter, bool withCable = true);

// "billentyuzet.jpg", 1024 x 768: the keyboard, a calm card for the task text and the back button.
QImage KeyboardScreen();

} // namespace KeyboardArt
