#pragma once

#include <QImage>

// The cannon game's pictures, transparent around what they show.
namespace CannonArt {

// "JelAgyuzasForm_a1…a10.png", 158 × 152: the cannon on its wheels, the barrel raised
// (n − 1) × 10° about the pivot (SelectionPlaces::CannonPivot), so it points where the game
// puts the ball.
QImage Cannon(int n);
QImage Ball();  // "_agyugolyo.png", 30 × 30
QImage Cloud(); // "_felho.png", 198 × 114: a grey rain cloud with drops
QImage Start(); // "START.png", 285 × 80

} // namespace CannonArt
