#pragma once

#include <QGraphicsView>
#include <QPointer>

class QGraphicsProxyWidget;

// The one window the learner sees. It carries a 1024 x 768 canvas, scaled by the largest factor
// that fits the screen and centred, with bars in the page colour. Pages and practice windows are
// children of the canvas.
//
// Keys always reach the focused control of the canvas: a click beside the canvas or on anything
// that takes no focus leaves the focus where it is, and a key that arrives while the canvas has
// lost its focus goes to the control that had it last (or the topmost window of the canvas).
// Under the keyboard grab the window system never sees Alt+F4, so the stage closes the canvas
// window that has the focus, as the window system would have.
class TStage : public QGraphicsView {
    Q_OBJECT
public:
    static constexpr int CanvasWidth = 1024;
    static constexpr int CanvasHeight = 768;

    explicit TStage(bool windowed);
    ~TStage() override;

    QWidget* Canvas() const { return canvas_; }
    // The stage of this run; nullptr before one exists.
    static TStage* Current();

    void Present();
    void Withdraw();
    bool Windowed() const { return windowed_; }

    // The canvas window (a page or a practice window) that keys and Alt+F4 go to: the one that
    // holds the focus, else the topmost visible one; nullptr when none is shown.
    QWidget* ActiveCanvasWindow() const;
    // A widget inside a page that is a window of its own to the learner (a practice window):
    // Alt+F4 with the focus in it closes it, not the page around it.
    static void MarkAsWindow(QWidget* window);

signals:
    // The window system asked the whole course to close.
    void closeRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    // Qt's own context menus (an edit box's cut-and-paste menu) never open: the course's pop-up
    // menus open on the right press themselves, inside the canvas.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void FitCanvas();
    // Gives the focus back to the canvas when it has lost it.
    void EnsureCanvasFocus();
    void RememberFocus(QWidget* now);

    bool windowed_;
    QWidget* canvas_;
    QGraphicsProxyWidget* proxy_;
    QPointer<QWidget> lastFocus_;
    QMetaObject::Connection focusWatch_;
};
