#pragma once

#include <QRect>

// Where the window handling lesson's first steps want window 1: a corner within 50 px of the
// screen's (steps 11 to 14), then back within 100 px of where it started (step 15).
namespace KezelPlaces {

inline constexpr QPoint Start(200, 210);

// True when outer bounds end at the step's place; false for any other step.
bool Reached(int step, const QRect& bounds);

} // namespace KezelPlaces
