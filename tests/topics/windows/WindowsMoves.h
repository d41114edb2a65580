#pragma once

#include <QPoint>

class TLearner;
class TMasolFrom;
class TPracticeWindow;
class TWndKezelForm;
class TWndMasolForm;
class TWndMeretForm;

// The windows topic's tasks done right, for tests and soaks that must get along its road.
namespace WindowsMoves {

// A press at `from` (window coordinates), the pointer moved by `delta` in steps as a mouse moves,
// whatever the window does meanwhile, and released there.
void DragWindow(TLearner& learner, TPracticeWindow& window, QPoint from, QPoint delta, int steps = 4);
// Window 1's title dragged so that its outer top-left ends at `to` (unless held on screen).
void MoveTo(TLearner& learner, TPracticeWindow& window, QPoint to);
// A click at a point of the page, on whatever window or control lies there.
void ClickAt(TLearner& learner, QPoint pagePoint);
void ClickClose(TLearner& learner, TPracticeWindow& window);
void ClickMaximize(TLearner& learner, TPracticeWindow& window);
void ClickMinimize(TLearner& learner, TPracticeWindow& window);
void DoubleClickTitle(TLearner& learner, TPracticeWindow& window);
// Places only one window covers on the lesson's two windows.
QPoint OnlyWindow1();
QPoint OnlyWindow2();

// The events of the window handling lesson's step on screen, until it moves on.
void KezelStep(TLearner& learner, TWndKezelForm& page);
// The lesson from where it stands until it reaches `stopAt`, or to its end, "Tovább" included.
void HandleWindows(TLearner& learner, TWndKezelForm& page, int stopAt = -1);
void ResizeWindow(TLearner& learner, TWndMeretForm& page);

// A press on an icon (Ctrl as asked) without moving.
void ClickIcon(TLearner& learner, TMasolFrom& window, int icon, bool ctrl = false);
// A drag from an icon into the middle of another window's client area, Ctrl held throughout or
// not; or Ctrl held at the press and at the drop as given.
void DragIcon(TLearner& learner, TMasolFrom& from, int icon, TPracticeWindow& to, bool ctrl = false);
void DragIcon(TLearner& learner, TMasolFrom& from, int icon, TPracticeWindow& to, bool ctrlAtPress, bool ctrlAtDrop);
// One task of the copy lesson done right and its 600 ms waited out; false once the page is gone.
bool CopyTask(TLearner& learner, TWndMasolForm& page);

// One move that takes the learner on from the windows topic's page on screen (a page's whole
// task); false when the page on screen is none of the topic's own.
bool Helpful(TLearner& learner);

} // namespace WindowsMoves
