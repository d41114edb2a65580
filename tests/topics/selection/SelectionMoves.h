#pragma once

class TLearner;
class TJelRdBtnForm;
class TJelRdCsopForm;
class TJelMemRdQuizForm;
class TJelChkBoxForm;
class TJelChkBox2Form;
class TJelChkBoxQuizForm;
class TJelSpinEdit1Form;
class TJelSpinEdit2Form;
class TJelTreckBarForm;
class TJelAgyuzasForm;

// The selection topic's tasks done right, for tests and soaks that must get along its road.
namespace SelectionMoves {

// Each box switched on three times, in turn.
void RadioPair(TLearner& learner, TJelRdBtnForm& page);
// The first choice of every group, then "Tovább".
void Groups(TLearner& learner, TJelRdCsopForm& page);
// `right` of the six questions answered right (from the first on), the rest wrong, then finished.
void RadioQuiz(TLearner& learner, TJelMemRdQuizForm& page, int right = 6);
void CheckBoxes(TLearner& learner, TJelChkBoxForm& page);
void CheckBoxes2(TLearner& learner, TJelChkBox2Form& page);
// Every statement in its right state, then finished.
void CheckBoxQuiz(TLearner& learner, TJelChkBoxQuizForm& page);
// Up to 101 with the arrow, then "Tovább".
void SpinUp(TLearner& learner, TJelSpinEdit1Form& page);
// The field cleared with Delete and Backspace, the price typed, then "Tovább".
void TypePrice(TLearner& learner, TJelSpinEdit2Form& page);
// Both bars to their far ends by the keys, then "Tovább".
void TrackBars(TLearner& learner, TJelTreckBarForm& page);
// START, then ticks until every ball has landed: aims so that `hits` of the ten hit. The page is
// gone when the game ends.
void PlayCannon(TLearner& learner, TJelAgyuzasForm& page, int hits);

// One move that takes the learner on from the selection page on screen (a page's whole task; on
// the cannon game the end picture); false when the page on screen is none of the topic's own.
bool Helpful(TLearner& learner);

} // namespace SelectionMoves
