#pragma once

class TLearner;

// The keyboard topic's tasks done right, one step at a time, for soaks that must travel.
namespace KeyboardMoves {

// One move that takes the learner on from the keyboard page on screen; false when the page on
// screen is none of the topic's own.
bool Helpful(TLearner& learner);

} // namespace KeyboardMoves
