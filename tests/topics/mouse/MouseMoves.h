#pragma once

class TLearner;
class TEgerAHazbaBeForm;
class TEgerNoraSzinezForm;
class TImage;

// The mouse topic's lessons, drag pages and colouring done right, for tests and soaks that must
// get along its road. The games are MouseGamesMoves'.
namespace MouseMoves {

// START, then Nyilacska dragged beside the flower and into its house.
void BringHome(TLearner& learner, TEgerAHazbaBeForm& page);
// A drag of the named pot onto a target of the colouring page.
void DropPot(TLearner& learner, TEgerNoraSzinezForm& page, const char* pot, TImage& target);

// How many rounds of a game the learner plays before leaving it; one unless asked.
void SetRoundsPerGame(int rounds);

// One move that takes the learner on from the topic's page on screen (a page's whole task; the
// game chooser is left by its back-to-home picture; a game's round is one move, and the game
// is left by its end-game picture once its rounds are played); false when the page is none of these, the games' own steps
// included (MouseGamesMoves).
bool Helpful(TLearner& learner);

} // namespace MouseMoves
