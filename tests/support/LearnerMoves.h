#pragma once

#include <QString>
#include <vector>

class TLearner;

// Moves that take a learner along the course: each page's own task done right, one step at a time.
// Soaks use them to travel, and the hand-over tests to play a topic's whole road.
namespace LearnerMoves {

// One helpful move on the page on screen: the name page, the greeting, the evaluation page, or a
// page of any topic; false when no topic knows the page.
bool Helpful(TLearner& learner);

// On the chooser: picks the topic with this chooser word by the mouse. False when no tile has it.
bool Choose(TLearner& learner, const QString& topic);

using TTopicMove = bool (*)(TLearner&);
// Every topic's own moves; a topic that lands adds its function here.
const std::vector<TTopicMove>& Topics();

} // namespace LearnerMoves
