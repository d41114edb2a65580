#pragma once

#include <QString>
#include <vector>

class TBaseCustForm;
class TLearner;
class QWidget;

// The menus topic's tasks done right, for tests and soaks that must get along its road.
namespace MenusMoves {

// A click on a top menu's title in the window's bar.
void ClickTitle(TLearner& learner, TBaseCustForm& window, int index);
// A click on row `index` of the open menu column at `depth` (0: the first column); false when no
// such column is open.
bool ClickRow(TLearner& learner, int depth, int index);
// An item chosen with the mouse: its top menu's title, then one row a column down to the item.
void ChooseByMouse(TLearner& learner, TBaseCustForm& window, const std::vector<int>& path);
// A right click on a control, then rows of its pop-up menu down to the item.
void ChooseFromPopup(TLearner& learner, QWidget* control, const std::vector<int>& path);
// The rows leading to a sentence in the sentence game's words menu ("Szavak" first).
std::vector<int> SentencePath(const QString& sentence);

// One move that takes the learner on from the menus topic's page on screen (a page's whole task);
// false when the page on screen is none of the topic's own.
bool Helpful(TLearner& learner);

} // namespace MenusMoves
