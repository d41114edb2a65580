#pragma once

class TLearner;
class TPrgKezelForm;

// The programs topic's tasks done right, for tests and soaks that must get along its road.
namespace ProgramsMoves {

// The open program's window closed by its title bar's close button; false when none is open.
bool CloseProgram(TLearner& learner, TPrgKezelForm& page);
// The lesson's step done the way the step teaches: the information's "Ok", the three backgrounds
// and "Tovább", a balloon clicked away, a program started by the step's road and closed again,
// the house's "OK".
void LessonStep(TLearner& learner, TPrgKezelForm& page);

// One move that takes the learner on from the programs topic's page on screen; false when the
// page on screen is none of the topic's own.
bool Helpful(TLearner& learner);

} // namespace ProgramsMoves
