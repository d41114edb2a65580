#pragma once

#include <QCursor>
#include <QObject>
#include <QPoint>
#include <functional>

class QWidget;

// Classic drag and drop between the controls of one page, without the platform's drag machinery.
// A control takes part through its one TDragDrop (a child object): as a source, a left press arms a
// drag that starts once the pointer has moved DragThreshold pixels; as a target, it says which
// sources it accepts and takes their drops. While dragging, the source shows the drag cursor (an
// arrow with a sheet) over an accepting target and the no-drop cursor elsewhere; the release over
// an accepting target drops there, anywhere else the drag just ends.
// A source either feeds the gesture itself (Press, Move, Release from its own mouse handlers) or
// lets the helper follow its mouse events (FollowMouse).
class TDragDrop : public QObject {
    Q_OBJECT
public:
    static constexpr int DragThreshold = 5;

    explicit TDragDrop(QWidget* owner);

    // The control's helper, made on first use.
    static TDragDrop& Of(QWidget* owner);

    // The helper watches the owner's mouse events: every left press on it arms a drag. With
    // takeLeftButton the owner never sees the left button at all: a button that is only dragged
    // neither pushes in nor clicks.
    void FollowMouse(bool takeLeftButton = false);

    // Positions are in the owner's coordinates.
    void Press(QPoint at, Qt::MouseButton button);
    // True while a drag is on (it may have started with this move).
    bool Move(QPoint at, Qt::MouseButtons buttons);
    // Ends the gesture; true when a drag was on (dropped or not), false for a plain click.
    bool Release(QPoint at);
    // Ends the gesture without a drop, the owner's cursor given back.
    void Cancel();
    bool Dragging() const { return dragging_; }

    // The accepting target under a point of the owner, or nullptr. The first control under the
    // point that is a target decides: a refusing one hides those behind it.
    TDragDrop* TargetAt(QPoint at) const;
    bool Accepts(QWidget& source) const;

    // Source: the drag has started.
    std::function<void()> OnStartDrag;
    // Target: whether the source may drop here; a control without it is no target.
    std::function<bool(QWidget& source)> OnDragOver;
    // Target: a drop of the source at a point of this control.
    std::function<void(QWidget& source, QPoint at)> OnDragDrop;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowCursor(QPoint at);

    QWidget* owner_;
    bool takeLeftButton_ = false;
    bool armed_ = false;
    bool dragging_ = false;
    QPoint pressAt_;
    // The owner's own cursor, given back when the drag ends.
    bool hadCursor_ = false;
    QCursor ownCursor_;
};
