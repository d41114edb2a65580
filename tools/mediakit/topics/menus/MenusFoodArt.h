#pragma once

#include <QImage>
#include <QRectF>

class QPainter;

// The food of the menus topic: Tivadar's favourite dishes served, the check-mark page's table and
// the plates the learner puts on it, and the small dishes other pictures show. Every dish is drawn
// into the rectangle it is given, standing on its bottom edge.
namespace MenusFoodArt {

// Dishes seen a little from above, each on its plate, bowl, cup or coaster.
void DrawSoup(QPainter& painter, const QRectF& rect);          // karfiolleves: cauliflower soup
void DrawBrasso(QPainter& painter, const QRectF& rect);        // brassói: pork and potato cubes
void DrawSemolinaPasta(QPainter& painter, const QRectF& rect); // grízes tészta, with a spoon of jam
void DrawSpinach(QPainter& painter, const QRectF& rect);       // spenót, with a fried egg on top
void DrawChocolateSquares(QPainter& painter, const QRectF& rect); // négerkocka
void DrawStrawberryIceCream(QPainter& painter, const QRectF& rect); // eper: scoops in a cup
void DrawDrumstick(QPainter& painter, const QRectF& rect);

// "menu\menu_v_tval.png", 520 × 330: the six favourites served on a checked tablecloth, each with
// its name on a little card.
QImage FavouritesServed();

// "menu\menu_asztal.png", 318 × 252: a table seen from the front, see-through round it; its top
// lies under the bottoms of the three plate slots.
QImage Table();

// "menu\<Tag>.png", 134 × 134: what the check-mark menu puts on the table, on its plate or
// coaster near the bottom of the slot, see-through round it. Tags: 11 puncsos csoki, 12 mogyorós
// csoki, 13 vaníliás csoki, 21 almalé, 22 eperlé, 23 narancslé, 31 torta, 32 csokis süti,
// 33 puncsos süti. Any other tag throws.
QImage Plate(int tag);
inline constexpr int PlateTags[] = {11, 12, 13, 21, 22, 23, 31, 32, 33};

} // namespace MenusFoodArt
