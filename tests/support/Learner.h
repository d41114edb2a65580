#pragma once

#include "QuietCourse.h"

#include "framework/BaseForm.h"

#include <QEvent>
#include <QPoint>
#include <QPointer>
#include <functional>

// What a learner does to the quiet course: keys, text, clicks, double clicks, drags and mouse
// moves on the page on screen. Shared by the tests and the course soak.
class TLearner : public TQuietCourse {
public:
    // The page on screen (the topmost shown page of the stage); nullptr when none is.
    TBaseForm* CurrentPage() const;
    QString CurrentPageName() const;
    template <class Page> Page* CurrentPageAs() const { return dynamic_cast<Page*>(CurrentPage()); }
    int PagesAlive() const;
    bool ErrorBoxShown() const;
    // Shows the stage and makes it the active window: focus moves reach the controls only there,
    // as on the desktop. False when the platform would not activate it.
    bool ActivateStage();

    // Input goes to the widget that has the focus on the current page, as a learner's keys do.
    // Typing with no page on screen is a mistake of the caller: it throws std::logic_error.
    void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void TypeText(const QString& text);
    void Click(QWidget* widget, QPoint at = QPoint(-1, -1), Qt::MouseButton button = Qt::LeftButton);
    void DoubleClick(QWidget* widget, QPoint at = QPoint(-1, -1));
    // Press at one point, move in steps, release at the other (all in the widget's coordinates).
    void Drag(QWidget* widget, QPoint from, QPoint to, int steps = 4);
    // A drag of a control that moves under the pointer: the pressed control gets the press, every
    // move and the release, as the mouse grab gives them, each at the pointer's place on the page
    // (page coordinates) seen from wherever the control is by then.
    void DragOnPage(QWidget* pressed, QPoint from, QPoint to, int steps = 8);
    void MoveMouse(QWidget* widget, QPoint at = QPoint(-1, -1));
    // The control under a point of the page on screen (page coordinates), else the page itself.
    QWidget* WidgetAt(QPoint pagePoint) const;
    // A click at a point of the page on screen, on whatever lies there.
    void ClickPageAt(QPoint pagePoint, Qt::MouseButton button = Qt::LeftButton);
    // Input as the window system delivers it: to the stage window, which passes it on.
    void TypeOnStage(const QString& text);
    void PressOnStage(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Text the input method composed (a dead key and a letter), committed to the focused control.
    void CommitComposed(const QString& text);
    // A click on the stage at a point of its window (beside the canvas, where it is wider).
    void ClickStage(QPoint at);
    // A raw key event, as the keyboard sends it, unless the target is gone. Each gets its own time
    // stamp: the page takes an event it has seen before for the same one travelling on.
    void SendKey(QPointer<QWidget> target, QEvent::Type type, int key, const QString& text,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false);

private:
    // Press, moves and release on the widget, each point mapped into it as the drag goes on.
    void DragMapped(QWidget* widget, QPoint from, QPoint to, int steps, const std::function<QPoint(QPoint)>& local);
};
