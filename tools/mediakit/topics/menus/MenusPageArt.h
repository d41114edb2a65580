#pragma once

#include <QImage>

// "menu\baseScr.jpg", 1024 × 768: the background of every menus page, a bright little café under
// a striped awning, with a chalk menu board, a window, two lamps and a wooden floor, and the back
// sign under the to-main area. The middle, where the practice windows stand, and the spots where
// pages put labels, lists and pictures (MenusPlaces) are plain light wall.
namespace MenusPageArt {

QImage Background();

} // namespace MenusPageArt
