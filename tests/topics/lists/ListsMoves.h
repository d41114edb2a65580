#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

class TLearner;
class TDragListBox;
class TEditCombo;
class TListTVForm;
class TListMertekCsopForm;
class TList_LY_J_Form;
class TListReflexJatekForm;
class TListEditableLBForm;
class TListComboForm;

// The list box topic's tasks done right, for tests and soaks that must get along its road.
namespace ListsMoves {

// A row of a list box, scrolled into view, in the coordinates of its viewport.
QPoint ItemPoint(TDragListBox& box, int row);
// A click on a row, with Ctrl held when asked.
void ClickItem(TLearner& learner, TDragListBox& box, int row, bool ctrl = false);
// A drag from a row of `from` to the middle of `to`.
void DragItem(TLearner& learner, TDragListBox& from, int row, TDragListBox& to);
// The first row holding text, -1 when none does.
int RowOf(const TDragListBox& box, const QString& text);

void ChooseItem(TLearner& learner, TDragListBox& box, const QString& text);
void SetGuide(TListTVForm& page);
void SortUnits(TLearner& learner, TListMertekCsopForm& page);
// The j-birds selected as the page's pass asks (Shift and arrows, or Ctrl and clicks) and dragged.
void MoveJBirds(TLearner& learner, TList_LY_J_Form& page);
// One task of the reflex game done right; false once the game is over (the page is gone).
bool ReflexTask(TLearner& learner, TListReflexJatekForm& page);
void PlayReflex(TLearner& learner, TListReflexJatekForm& page);
void EditList(TLearner& learner, TListEditableLBForm& page);
// Types a name into an editable combo box and presses Enter.
void AddName(TLearner& learner, TEditCombo& box, const QString& name);
void FillCombos(TLearner& learner, TListComboForm& page);

// One move that takes the learner on from the list topic's page on screen (a page's whole task);
// false when the page on screen is none of the topic's own.
bool Helpful(TLearner& learner);

} // namespace ListsMoves
