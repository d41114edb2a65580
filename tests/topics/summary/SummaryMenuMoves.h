#pragma once

#include <QString>
#include <vector>

class TLearner;
class TOsszefoglMenuFrmForm;

// The menu search done right, for tests and soaks that must get along the summary's road.
namespace SummaryMenuMoves {

// The rows of a path ("Nézet \ Lista \ Fekete Péter") in the window's menus: the title, then one row
// a column down to the item; empty when the menus hold no such path.
std::vector<int> Rows(const TOsszefoglMenuFrmForm& window, const QString& path);

// One move that takes the learner on from the menu search: "Tovább" at the review, START (on the
// first visit) or "Tovább" (later) when the search is offered, else the current target chosen
// through the menu bar with the mouse; false when the page on screen is not the menu search.
bool Helpful(TLearner& learner);

} // namespace SummaryMenuMoves
