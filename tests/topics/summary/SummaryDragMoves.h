#pragma once

#include <QList>
#include <QPoint>
#include <QString>

class QLabel;
class TDragListBox;
class TLearner;
class TOsszefoglGomb2Form;
class TOsszefoglListForm;
class TPushButton;

// The summary's matching game and list exercise done right, for tests and soaks.
namespace SummaryDragMoves {

// The page's button or label showing this caption; nullptr when none does.
TPushButton* ButtonCaptioned(TOsszefoglGomb2Form& page, const QString& caption);
QLabel* LabelCaptioned(TOsszefoglGomb2Form& page, const QString& caption);
// A mouse drag of the button from its middle to a point of the page.
void DragButton(TLearner& learner, TOsszefoglGomb2Form& page, TPushButton& button, QPoint pagePoint);
// The first button still shown dragged onto its Hungarian meaning; false when none is left.
bool MatchOne(TLearner& learner, TOsszefoglGomb2Form& page);

// A name typed into the edit box and added with "Új elem - Felvétel".
void AddName(TLearner& learner, TOsszefoglListForm& page, const QString& name);
// The rows selected by a click on the first and Ctrl-clicks on the others.
void SelectRows(TLearner& learner, TDragListBox& list, const QList<int>& rows);
// The selection dragged from its last row onto the right-hand list; with ctrl the Ctrl key is held
// (down before the press, up after the drop).
void DragSelection(TLearner& learner, TOsszefoglListForm& page, bool ctrl = false);
// The list step on screen done as its instruction asks.
void ListStep(TLearner& learner, TOsszefoglListForm& page);

// One move that takes the learner on from the matching game or the list exercise; false when the
// page on screen is neither.
bool Helpful(TLearner& learner);

} // namespace SummaryDragMoves
