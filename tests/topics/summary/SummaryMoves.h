#pragma once

class TLearner;

// The summary topic's road for tests and soaks: its own pages through their moves, the basketball
// game played once and its replays left by the end picture, the cannon game left by its end
// picture (the selection topic's move).
namespace SummaryMoves {

// One move on the page on screen while the summary is the topic; false otherwise.
bool Helpful(TLearner& learner);

} // namespace SummaryMoves
