#pragma once

class TLearner;

// The summary's review pages and its letter hunt done right, for soaks and walkthroughs.
namespace SummaryReviewMoves {

// One move that takes the learner on from the keyboard, mouse, button or selection review or the
// letter hunt; false when the page on screen is none of these.
bool Helpful(TLearner& learner);

} // namespace SummaryReviewMoves
