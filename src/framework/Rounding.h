#pragma once

// The games' rounding: to the nearest whole number with halves going to the even neighbour (as the
// classic Round does, unlike qRound), and cutting towards zero or up for the rest.
namespace Rounding {

int Round(double value);
int Trunc(double value);
int Ceil(double value);

} // namespace Rounding
