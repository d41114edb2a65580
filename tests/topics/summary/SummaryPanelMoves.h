#pragma once

class TLearner;
class TOsszefoglPanel2Form;

// The panel review and the detective exercise done right, for tests and soaks that must get along
// the summary's road.
namespace SummaryPanelMoves {

// The detective's next step done right: every tab read and "ALKALMAZ", "YES", every statement
// judged rightly, "YES", the two culprits named and "ALKALMAZ", then "OK".
void DetectiveStep(TLearner& learner, TOsszefoglPanel2Form& page);

// One move that takes the learner on from the panel review or the detective exercise; false when
// the page on screen is neither.
bool Helpful(TLearner& learner);

} // namespace SummaryPanelMoves
