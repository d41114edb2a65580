#pragma once

class TLearner;
class TPnlAutosForm;
class TPnlMemJatekForm;
class TPnlMiniVizsgaForm;

// The panels topic's tasks done right, for tests and soaks that must get along its road.
namespace PanelsMoves {

// The settings panel set to what the trip showed (red open sports car number 12, Lemezke alone,
// she did get lost, 40 litres).
void SetRightSettings(TPnlAutosForm& page);
// Time passes until the settings panel is up (the dialogs answered as the double does).
void RideToSettings(TLearner& learner, TPnlAutosForm& page);
// The partner of a card still on the board, 0 when there is none.
int Partner(const TPnlMemJatekForm& page, int card);
// A click on the card's body, below its title strip.
void ClickCard(TLearner& learner, TPnlMemJatekForm& page, int card);
// One pair turned up and left to leave the board; false when no card is left.
bool FindPair(TLearner& learner, TPnlMemJatekForm& page);
// Every exam page opened and every answer right.
void AnswerExam(TLearner& learner, TPnlMiniVizsgaForm& page);

// One move that takes the learner on from the panels page on screen; false when the page is none
// of the topic's own.
bool Helpful(TLearner& learner);

} // namespace PanelsMoves
