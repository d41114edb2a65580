#pragma once

#include <QPoint>

class TLearner;
class TBall;

// The mouse games played right, one step at a time, for tests and soaks that must get along the
// mouse topic's road.
namespace MouseGamesMoves {

// The ball carried with the button held until its top-left corner is at the point, then let go.
void Carry(TBall& ball, QPoint topLeft);

// One step on whichever mouse game page is on screen: the intro waited out, START, a target
// caught, popped or carried, or the clock moved on; the right-button and double-click pages
// answered. False when the page on screen is none of these.
bool Helpful(TLearner& learner);

} // namespace MouseGamesMoves
