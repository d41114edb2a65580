#pragma once

#include <QRect>

// Where each kind of page has its back sign, in page coordinates. The page's click area and the
// sign its background shows are both placed from these rectangles.
namespace BackAreas {

inline const QRect Usual(896, 648, 97, 49);          // lists, panels, windows, menus, selection settings
inline const QRect Keyboard(892, 644, 100, 55);      // keyboard pages and mouse lessons
inline const QRect Evaluation(894, 645, 98, 53);     // the evaluation page
inline const QRect Games(888, 664, 104, 61);         // game pages and button lessons
inline const QRect SelectionLessons(904, 688, 105, 65);

} // namespace BackAreas
