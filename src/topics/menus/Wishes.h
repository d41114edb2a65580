#pragma once

#include <QColor>
#include <QSize>
#include <QString>

// Tivadar's wishes in the submenu lesson, in order: the item (by Tag) that grants each, what it
// does to the window, and the wish that follows.
namespace Wishes {

enum class TEffect { Colour, Size, ShowGuide, HideGuide };

struct TWish {
    int tag;            // the menu item that grants the wish
    TEffect effect;
    QColor colour;      // TEffect::Colour
    QSize change;       // TEffect::Size: added to the window's width and height
    const char* guide;  // TEffect::ShowGuide: the picture shown
    const char* next;   // the next wish's text; empty after the last
};

inline constexpr int Count = 11;
// The text shown before the first wish is granted.
QString First();
// Wish `step` (0 … Count − 1).
const TWish& At(int step);
// The character items' tags: choosing any of them first clears all three check marks.
bool IsGuide(int tag);

} // namespace Wishes
