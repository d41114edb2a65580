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

// A click on the page's back area, where the topics draw their back signs (about (896, 648) on
// most pages, (904, 688) on some); false when the learner is not back on the chooser.
bool Leave(TLearner& learner);

using TTopicMove = bool (*)(TLearner&);
// Every topic's own moves; a topic that lands adds its function here.
const std::vector<TTopicMove>& Topics();

} // namespace LearnerMoves
